// How precisely the Windows timers tick: the display time must end within 10 ms of
// its setting. Prints, for intervals of 1000 ms, 3000 ms and 10 ms, the error of each
// tick (its time minus its due time, in ms) of Win32TimerService, both as the display
// timer uses it (started, one tick, stopped) and running on (each tick against start +
// n intervals), and of plain SetTimer for comparison.
//   windows_timers [rounds]   rounds of the 1000 ms case (default 10); the 3000 ms
//                             case makes half as many, the 10 ms case twenty times as many
// Built for Windows only; bench/windows_timers.sh builds it and runs it under Wine.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/windows/Win32EventLoop.h"
#include "platform/windows/Win32TimerService.h"

using Clock = std::chrono::steady_clock;
using solvane::windows::Win32EventLoop;
using solvane::windows::Win32TimerService;

namespace {

double msSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// Handles messages, waiting in the queue between them, until `done` holds.
void runUntil(Win32EventLoop& loop, const std::function<bool()>& done) {
    while (!done()) {
        MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        loop.processPendingEvents();
    }
}

std::vector<double> oneShot(Win32TimerService& timers, Win32EventLoop& loop, int interval, int rounds) {
    std::vector<double> errors;
    Clock::time_point firedAt;
    bool fired = false;
    std::unique_ptr<solvane::platform::TimerHandle> timer;
    timer = timers.createTimer([&] {
        firedAt = Clock::now();
        fired = true;
        timer->stop();
    });
    for (int round = 0; round < rounds; ++round) {
        fired = false;
        const Clock::time_point started = Clock::now();
        timer->start(interval);
        runUntil(loop, [&] { return fired; });
        errors.push_back(msSince(started, firedAt) - interval);
    }
    return errors;
}

std::vector<double> runningOn(Win32TimerService& timers, Win32EventLoop& loop, int interval, int ticks) {
    std::vector<double> errors;
    const Clock::time_point started = Clock::now();
    auto timer = timers.createTimer([&] {
        const double due = static_cast<double>(errors.size() + 1) * interval;
        errors.push_back(msSince(started, Clock::now()) - due);
    });
    timer->start(interval);
    runUntil(loop, [&] { return static_cast<int>(errors.size()) >= ticks; });
    return errors;
}

// SetTimer's thread timer calls back from DispatchMessageW.
Clock::time_point setTimerFiredAt;
bool setTimerFired = false;
void CALLBACK setTimerTick(HWND, UINT, UINT_PTR id, DWORD) {
    setTimerFiredAt = Clock::now();
    setTimerFired = true;
    KillTimer(nullptr, id);
}

std::vector<double> setTimerOneShot(Win32EventLoop& loop, int interval, int rounds) {
    std::vector<double> errors;
    for (int round = 0; round < rounds; ++round) {
        setTimerFired = false;
        const Clock::time_point started = Clock::now();
        SetTimer(nullptr, 0, static_cast<UINT>(interval), &setTimerTick);
        runUntil(loop, [] { return setTimerFired; });
        errors.push_back(msSince(started, setTimerFiredAt) - interval);
    }
    return errors;
}

void print(const char* source, int interval, std::vector<double> errors) {
    std::sort(errors.begin(), errors.end());
    const auto at = [&errors](double share) {
        return errors[std::min(errors.size() - 1,
                               static_cast<std::size_t>(share * static_cast<double>(errors.size())))];
    };
    std::printf("%-34s %8d %6zu %8.2f %8.2f %8.2f %8.2f\n", source, interval, errors.size(), errors.front(), at(0.5),
                at(0.95), errors.back());
    std::fflush(stdout);
}

std::string systemName() {
    using WineVersion = const char*(CDECL*)();
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto wine = reinterpret_cast<WineVersion>(
        reinterpret_cast<void*>(ntdll ? GetProcAddress(ntdll, "wine_get_version") : nullptr));
    return wine ? std::string("Wine ") + wine() : std::string("Windows");
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    Win32EventLoop loop;
    Win32TimerService timers;
    std::printf("Timer ticks on %s; high-resolution waitable timer: %s\n", systemName().c_str(),
                timers.highResolution() ? "yes" : "no (timeBeginPeriod(1) instead)");
    std::printf("Error of each tick in ms: its time minus its due time.\n\n");
    std::printf("%-34s %8s %6s %8s %8s %8s %8s\n", "source", "interval", "ticks", "min", "median", "p95", "max");
    struct Case {
        int interval;
        int rounds;
    };
    const Case cases[] = {{1000, rounds}, {3000, std::max(1, rounds / 2)}, {10, rounds * 20}};
    for (const Case& each : cases) {
        print("Win32TimerService, one tick", each.interval, oneShot(timers, loop, each.interval, each.rounds));
        print("Win32TimerService, running on", each.interval, runningOn(timers, loop, each.interval, each.rounds));
        print("SetTimer, one tick (comparison)", each.interval, setTimerOneShot(loop, each.interval, each.rounds));
    }
    return 0;
}
