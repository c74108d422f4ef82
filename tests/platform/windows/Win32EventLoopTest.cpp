#include "platform/windows/Win32EventLoop.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/windows/Win32TimerService.h"

namespace solvane::windows {
namespace {

// A window of the test's own that counts the WM_QUITs it is given.
int quitsGivenToTheWindow = 0;

LRESULT CALLBACK countingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QUIT) ++quitsGivenToTheWindow;
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createCountingWindow() {
    static const ATOM registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &countingProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"SolvaneQuitCountingWindow";
        return RegisterClassExW(&windowClass);
    }();
    return registered ? CreateWindowExW(0, L"SolvaneQuitCountingWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleW(nullptr), nullptr)
                      : nullptr;
}

class Win32EventLoopTest : public ::testing::Test {
protected:
    // Runs the loop with a rescue at the limit; true when something else ended it.
    bool runEndedBeforeTheLimit(int limitMs) {
        bool rescued = false;
        auto rescue = timers.createTimer([&] {
            rescued = true;
            loop.quit();
        });
        rescue->start(limitMs);
        loop.run();
        return !rescued;
    }

    Win32EventLoop loop;
    Win32TimerService timers;
    std::vector<std::string> events;
};

TEST_F(Win32EventLoopTest, AQuitForAWindowGoesToThatWindowAndOnlyAQuitWithoutOneEndsTheRun) {
    const HWND window = createCountingWindow();
    ASSERT_NE(window, nullptr);
    quitsGivenToTheWindow = 0;
    PostMessageW(window, WM_QUIT, 0, 0);
    loop.post([this] {
        events.push_back("after the window's quit");
        // Delivered once the queue is empty, as a WM_QUIT without a window.
        PostQuitMessage(0);
    });
    EXPECT_TRUE(runEndedBeforeTheLimit(5000));
    EXPECT_EQ(quitsGivenToTheWindow, 1);
    EXPECT_EQ(events, std::vector<std::string>{"after the window's quit"}) << "the window's quit did not end the run";
    DestroyWindow(window);
}

TEST_F(Win32EventLoopTest, AnExceptionFromAnActionComesOutOfTheProcessingAndTheActionsAfterItStillRun) {
    loop.post([] { throw std::runtime_error("from an action"); });
    loop.post([this] { events.push_back("second"); });
    EXPECT_THROW(loop.processPendingEvents(), std::runtime_error);
    loop.processPendingEvents();
    EXPECT_EQ(events, std::vector<std::string>{"second"});
    loop.processPendingEvents();
    EXPECT_EQ(events.size(), 1u) << "each action runs once";
}

TEST_F(Win32EventLoopTest, AnotherThreadMayPostToTheRunAndEndIt) {
    // The other thread starts once the run waits in the queue (a quit before the run
    // would end it at once): only its messages can end the run then.
    std::thread other;
    loop.post([this, &other] {
        other = std::thread([this] {
            loop.post([this] { events.push_back("from another thread"); });
            loop.quit();
        });
    });
    EXPECT_TRUE(runEndedBeforeTheLimit(5000));
    other.join();
    // The quit may end the run before the action's turn; it is not lost.
    loop.processPendingEvents();
    EXPECT_EQ(events, std::vector<std::string>{"from another thread"});
}

}  // namespace
}  // namespace solvane::windows
