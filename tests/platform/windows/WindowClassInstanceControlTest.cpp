#include "platform/windows/WindowClassInstanceControl.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "HelperProcess.h"
#include "platform/windows/Win32EventLoop.h"
#include "platform/windows/Win32TimerService.h"

namespace solvane::windows {
namespace {

using testing::AnsweredQuit;
using testing::FoundOne;
using testing::HelperProcess;
using testing::ReadySignal;

class WindowClassInstanceControlTest : public ::testing::Test {
protected:
    // Handles what comes for the given time, waiting in the queue meanwhile.
    void processEventsFor(int ms) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < deadline) {
            MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            loop.processPendingEvents();
        }
    }

    Win32EventLoop loop;
    Win32TimerService timers;
};

TEST_F(WindowClassInstanceControlTest, TheMainWindowIsAHiddenTopLevelWindowThatOthersFindByItsClass) {
    ASSERT_EQ(FindWindowW(WindowClassInstanceControl::ClassName, nullptr), nullptr) << "no instance runs yet";
    WindowClassInstanceControl control(0);
    control.announce([] {});
    const HWND window = control.mainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindWindowW(L"TfrmSlv17k30Main", nullptr), window);
    // Top-level (not message-only), so that other processes and the session's end reach it.
    EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow());
    const auto extended = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_NE(extended & WS_EX_NOACTIVATE, 0);
    EXPECT_NE(extended & WS_EX_TOOLWINDOW, 0) << "no taskbar entry";
    processEventsFor(100);
    EXPECT_FALSE(IsWindowVisible(window));

    control.withdraw();
    EXPECT_EQ(FindWindowW(L"TfrmSlv17k30Main", nullptr), nullptr);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowClassInstanceControlTest, AQuitPostedByAnotherProcessRunsTheQuitActionAndTheLoopRunsOn) {
    WindowClassInstanceControl control(0);
    int quits = 0;
    control.announce([&quits] { ++quits; });
    const HelperProcess starting(L"request");
    ASSERT_EQ(starting.waitForExit(10'000), FoundOne);

    int ticksAfterTheQuit = 0;
    auto ticking = timers.createTimer([&] {
        if (quits > 0 && ++ticksAfterTheQuit == 2) loop.quit();
    });
    ticking->start(20);
    bool rescued = false;
    auto rescue = timers.createTimer([&] {
        rescued = true;
        loop.quit();
    });
    rescue->start(5000);
    loop.run();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(ticksAfterTheQuit, 2) << "the run went on after the quit request";
    EXPECT_FALSE(rescued);
}

TEST_F(WindowClassInstanceControlTest, AHandedOverInstanceIsReportedToAStartingOneButNotAsked) {
    WindowClassInstanceControl control(0);
    control.announce([] {});
    control.handOver();
    const HelperProcess starting(L"request");
    EXPECT_EQ(starting.waitForExit(10'000), FoundOne) << "an instance is still there: the starting one asks again";
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, control.mainWindow(), WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

// A restart: the old instance hands over, a "shutdown" comes before the new process
// has its window, and the old one ends. The shutdown must end the new process, not
// find the place empty in between and leave the new one running.
TEST_F(WindowClassInstanceControlTest, ARestartKeepsThePlaceUntilTheNewProcessHasItsWindow) {
    auto restarting = std::make_unique<WindowClassInstanceControl>();
    int quits = 0;
    restarting->announce([&quits] { ++quits; });
    restarting->handOver();
    const ReadySignal firstAsked;
    const HelperProcess shutdown(L"shutdown " + firstAsked.argument());
    ASSERT_TRUE(firstAsked.waitFor(shutdown, 10'000));

    const ReadySignal heirAnnounced;
    const HelperProcess heir(L"instance " + heirAnnounced.argument());
    restarting->withdraw();
    processEventsFor(50);
    EXPECT_EQ(quits, 0) << "the old instance answers nothing more";
    restarting.reset();  // the old process ends

    EXPECT_EQ(heir.waitForExit(15'000), AnsweredQuit) << "the shutdown reached the new process";
    EXPECT_EQ(shutdown.waitForExit(15'000), AnsweredQuit) << "and then found no instance left";
}

}  // namespace
}  // namespace solvane::windows
