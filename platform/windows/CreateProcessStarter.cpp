#include "platform/windows/CreateProcessStarter.h"

#include <windows.h>

#include "platform/windows/CommandLineQuoting.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {

void CreateProcessStarter::start(const std::string& program, const std::vector<std::string>& arguments) {
    const std::wstring application = toWide(program);
    std::vector<std::wstring> words;
    words.reserve(arguments.size());
    for (const std::string& argument : arguments) words.push_back(toWide(argument));
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::wstring line = commandLine(application, words);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace solvane::windows
