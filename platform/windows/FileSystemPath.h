#pragma once
#include <string>

namespace solvane::windows {

// A UTF-8 path as the W file functions take it at any length: forward slashes become
// backslashes, and a path too long for the classic limit of MAX_PATH (less the twelve
// characters that CreateDirectoryW keeps for a file name) is made absolute and given
// the "\\?\" prefix ("\\?\UNC\" for a network share), which lifts the limit without a
// manifest or the system's long-path setting. Short paths keep their form.
std::wstring fileSystemPath(const std::string& utf8Path);

}  // namespace solvane::windows
