// The solvane executable on Windows: reads the words of the command line and hands
// the Windows services to the program's entry. A GUI program: it has no console and
// writes nothing to one.
#include <windows.h>

#include <exception>
#include <string>

#include "app/ProgramEntry.h"
#include "platform/windows/ProgramCommandLine.h"
#include "platform/windows/WideText.h"
#include "platform/windows/WindowsServices.h"

namespace {

// The exit code when the program could not start at all.
constexpr int StartFailedExitCode = 2;

// A failure that escapes the program's entry (its handlers report their own errors and
// go on): say why in the program's own words, then end.
void reportStartFailure(const std::string& why) {
    const std::wstring text = solvane::windows::toWide("Solvane could not run: " + why);
    MessageBoxW(nullptr, text.c_str(), L"Solvane Premium", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace solvane;
    const CommandLine words = CommandLine::parse(windows::wordsAfterProgramPath(GetCommandLineW()));
    int exitCode = StartFailedExitCode;
    try {
        windows::WindowsServices services;
        exitCode = runProgram(services.platform(), words);
    } catch (const std::exception& error) {
        reportStartFailure(error.what());
    }
    return exitCode;
}
