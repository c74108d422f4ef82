#pragma once
#include <string>

namespace solvane::windows {

// The system's own sentence for a Win32 error code, in UTF-8 and without the line
// break Windows ends it with, followed by the code itself ("Access is denied. (5)"),
// so that an error report says what went wrong even where the system has no text.
std::string win32ErrorMessage(unsigned long code);

}  // namespace solvane::windows
