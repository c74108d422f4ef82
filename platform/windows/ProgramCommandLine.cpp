#include "platform/windows/ProgramCommandLine.h"

#include "platform/windows/WideText.h"

namespace solvane::windows {

std::string wordsAfterProgramPath(std::wstring_view commandLine) {
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const std::size_t closing = commandLine.find(L'"', 1);
        end = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    } else {
        end = commandLine.find_first_of(L" \t");
        if (end == std::wstring_view::npos) end = commandLine.size();
    }
    return toUtf8(commandLine.substr(end));
}

}  // namespace solvane::windows
