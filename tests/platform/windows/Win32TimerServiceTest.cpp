#include "platform/windows/Win32TimerService.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/windows/Win32EventLoop.h"

namespace solvane::windows {
namespace {

constexpr wchar_t BoxTitle[] = L"Solvane modal loop test";

void closeTheBox() {
    if (const HWND box = FindWindowW(L"#32770", BoxTitle)) PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// The font and colour choosers and the tray menu run their own message loops, and the
// display cycle goes on meanwhile: the ticks and posted actions must come through them.
TEST(Win32TimerService, TicksAndPostedActionsComeWhileAModalDialogRunsItsOwnLoop) {
    Win32EventLoop loop;
    Win32TimerService timers;
    int ticks = 0;
    bool posted = false;
    auto timer = timers.createTimer([&] {
        if (++ticks == 3) closeTheBox();
    });
    timer->start(30);
    loop.post([&] { posted = true; });

    // Should the ticks never come, the box is closed all the same after 10 s.
    const HANDLE closed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread rescue([closed] {
        if (WaitForSingleObject(closed, 10'000) == WAIT_TIMEOUT) closeTheBox();
    });
    MessageBoxW(nullptr, L"Closed by the third tick", BoxTitle, MB_OK);
    SetEvent(closed);
    rescue.join();
    CloseHandle(closed);

    EXPECT_GE(ticks, 3);
    EXPECT_TRUE(posted);
}

}  // namespace
}  // namespace solvane::windows
