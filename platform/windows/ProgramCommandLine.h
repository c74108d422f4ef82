#pragma once
#include <string>
#include <string_view>

namespace solvane::windows {

// The part of the process's command line (GetCommandLineW) after the program path, as
// UTF-8, for the core to split into its words by its own rules. The program path is
// taken off as Windows itself reads it: up to the closing quote when the line begins
// with one (the path may hold blanks), otherwise up to the first blank or tab.
std::string wordsAfterProgramPath(std::wstring_view commandLine);

}  // namespace solvane::windows
