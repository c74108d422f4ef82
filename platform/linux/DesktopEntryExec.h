#pragma once
#include <string>
#include <vector>

namespace solvane::linuxos {

// The value of a desktop entry's Exec key that runs the program with the arguments,
// as it is written in the file: each argument that holds a reserved character is put
// in double quotes with ", `, $ and \ escaped by a backslash, "%" is doubled (it
// starts field codes), and then the string-value escape doubles every backslash again.
// Throws std::invalid_argument for an empty program, for text that is not valid UTF-8
// and for control characters, which an Exec line cannot carry reliably.
std::string desktopEntryExec(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace solvane::linuxos
