// The other process of the instance-control tests:
//   instance_helper instance <event>   announces itself, sets the inherited event, and
//                                      ends when asked to quit (or after 20 s, TimedOut)
//   instance_helper request            asks another instance to quit once
//   instance_helper shutdown <event>   asks as "solvane shutdown" does, every 99 ms until
//                                      no instance is left (at most 30 s); sets the event
//                                      after its first request
// The exit codes are InstanceHelperExit.h's.
#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <memory>

#include "InstanceHelperExit.h"
#include "platform/windows/Win32EventLoop.h"
#include "platform/windows/Win32TimerService.h"
#include "platform/windows/WindowClassInstanceControl.h"

using namespace solvane::windows;
using namespace solvane::windows::testing;

namespace {

HANDLE inheritedEvent(const wchar_t* argument) {
    return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(std::wcstoull(argument, nullptr, 10)));
}

int runInstance(HANDLE announced) {
    Win32EventLoop loop;
    Win32TimerService timers;
    WindowClassInstanceControl control;
    bool asked = false;
    control.announce([&] {
        asked = true;
        control.withdraw();  // the program ends
        loop.quit();
    });
    SetEvent(announced);
    auto rescue = timers.createTimer([&] { loop.quit(); });
    rescue->start(20'000);
    loop.run();
    return asked ? AnsweredQuit : TimedOut;
}

int runShutdown(HANDLE firstAsked) {
    WindowClassInstanceControl control;
    for (int round = 0; round < 300; ++round) {
        const bool found = control.quitAnotherInstance();
        if (round == 0) SetEvent(firstAsked);
        if (!found) return AnsweredQuit;
        Sleep(99);
    }
    return TimedOut;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"instance") == 0) return runInstance(inheritedEvent(argv[2]));
    if (argc == 2 && std::wcscmp(argv[1], L"request") == 0)
        return WindowClassInstanceControl().quitAnotherInstance() ? FoundOne : FoundNone;
    if (argc == 3 && std::wcscmp(argv[1], L"shutdown") == 0) return runShutdown(inheritedEvent(argv[2]));
    return WrongArguments;
}
