#pragma once
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "HelperProcess.h"
#include "platform/windows/Win32EventLoop.h"
#include "platform/windows/Win32TimerService.h"
#include "platform/windows/WindowClassInstanceControl.h"

// How the timer, event-loop and instance-control suites drive the Windows message
// loop: real time on a monotonic clock, waits that block in the message queue rather
// than spin (a busy machine must not starve the timers under test), and the other
// instances as processes of the instance helper.
namespace solvane::contract {

// Blocks until a message arrives for this thread or the deadline passes.
inline void waitForMessages(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left.count()), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

struct Win32TimerTraits {
    windows::Win32EventLoop events;
    windows::Win32TimerService service;
    const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();

    ~Win32TimerTraits() {
        // Leaves no posted action or due tick behind.
        events.processPendingEvents();
    }

    platform::TimerService& timers() { return service; }
    platform::EventLoop& loop() { return events; }
    std::int64_t nowMs() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    }

    bool runUntil(const std::function<bool()>& condition, int limitMs) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
        while (!condition()) {
            if (std::chrono::steady_clock::now() >= deadline) return condition();
            waitForMessages(deadline);
            events.processPendingEvents();
        }
        return true;
    }

    // Runs the loop; true when a quit ended it, false when the rescue did at the limit.
    bool runLoop(int limitMs) {
        bool rescued = false;
        auto rescue = service.createTimer([&] {
            rescued = true;
            events.quit();
        });
        rescue->start(limitMs);
        events.run();
        return !rescued;
    }
};

struct WindowClassInstanceControlTraits {
    windows::Win32EventLoop events;
    // No heir comes in these tests: a handed-over window goes with the test.
    windows::WindowClassInstanceControl service{0};
    std::vector<std::unique_ptr<windows::testing::HelperProcess>> others;

    platform::InstanceControl& self() { return service; }

    void startOtherInstance() { others.push_back(windows::testing::startAnnouncedInstance()); }

    // Waits (blocking, not spinning) until that many others have answered, at most 10 s.
    void letOthersAnswer(int answers) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (quitsAnsweredByOthers() < answers && std::chrono::steady_clock::now() < deadline) {
            std::vector<HANDLE> running;
            for (const auto& other : others) {
                if (other->started() && !other->exitCode()) running.push_back(other->handle());
            }
            if (running.empty()) return;
            WaitForMultipleObjects(static_cast<DWORD>(running.size()), running.data(), FALSE, 100);
        }
    }

    int quitsAnsweredByOthers() const {
        return static_cast<int>(std::count_if(others.begin(), others.end(), [](const auto& other) {
            return other->exitCode() == windows::testing::AnsweredQuit;
        }));
    }

    // Another instance, starting now, asks the one it finds (this one) to quit; the
    // request is in this thread's queue when the helper has ended.
    bool requestQuitFromAnotherInstance() {
        const windows::testing::HelperProcess starting(L"request");
        return starting.waitForExit(10'000) == windows::testing::FoundOne;
    }

    // Long enough for whatever was posted to be handled.
    void processOwnEvents() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(50);
        do {
            events.processPendingEvents();
            waitForMessages(deadline);
        } while (std::chrono::steady_clock::now() < deadline);
        events.processPendingEvents();
    }
};

}  // namespace solvane::contract
