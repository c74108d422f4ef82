#include "platform/windows/LayeredHintWindow.h"

#include <gtest/gtest.h>

#include "WindowsProgramHarness.h"

namespace solvane::windows {
namespace {

using testing::pumpMessages;

// An ordinary window that the user works in while an affirmation shows.
struct WorkWindow {
    WorkWindow() {
        handle = CreateWindowExW(0, L"EDIT", L"work", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 300, 200, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(handle);
        SetFocus(handle);
        pumpMessages();
    }
    ~WorkWindow() { DestroyWindow(handle); }
    WorkWindow(const WorkWindow&) = delete;
    WorkWindow& operator=(const WorkWindow&) = delete;
    HWND handle;
};

// The foreground and the focus are where the user left them. (A window of another
// program, the tray host's, may take the foreground meanwhile; never this one.)
void expectStillWorking(const WorkWindow& work) {
    const HWND foreground = GetForegroundWindow();
    const HWND hint = FindWindowW(L"TfrmHint", L"TfrmHint");
    EXPECT_NE(foreground, hint);
    EXPECT_NE(GetActiveWindow(), hint);
    EXPECT_NE(GetFocus(), hint);
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    if (process == GetCurrentProcessId()) {
        EXPECT_EQ(foreground, work.handle);
        EXPECT_EQ(GetFocus(), work.handle);
    }
}

struct LayeredHintWindowTest : ::testing::Test {
    testing::WindowsProgramHarness<> h;
    TfrmHint& model = h.program.hint();
    // Found as other tools find it: by its class and title.
    HWND window = FindWindowW(L"TfrmHint", L"TfrmHint");

    void SetUp() override {
        ASSERT_NE(window, nullptr);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        ASSERT_EQ(process, GetCurrentProcessId());
        model.Label1.setCaption("I know what I love to do and I do it.");
        model.Label1.setFont(FontSpec{"Tahoma", 20, 0, rgb(0, 0, 0)});
    }
};

TEST_F(LayeredHintWindowTest, IsATopMostLayeredToolWindowThatIsNeverActivated) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto extended = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
    for (const DWORD flag :
         {DWORD{WS_EX_TOPMOST}, DWORD{WS_EX_TOOLWINDOW}, DWORD{WS_EX_NOACTIVATE}, DWORD{WS_EX_LAYERED}}) {
        EXPECT_EQ(extended & flag, flag) << std::hex << flag;
    }
    EXPECT_FALSE(extended & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(
        SendMessageW(window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
        MA_NOACTIVATE);
    // Only the program ends its window: asked to close, it stays.
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(LayeredHintWindowTest, ShowsOnItsBoundsWithoutTakingTheFocus) {
    const WorkWindow work;
    ASSERT_EQ(GetForegroundWindow(), work.handle);
    model.show();
    pumpMessages();
    EXPECT_TRUE(IsWindowVisible(window));
    expectStillWorking(work);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    EXPECT_EQ((Rect{bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top}), model.bounds);

    model.makeTopmost();
    pumpMessages();
    expectStillWorking(work);
    model.hide();
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(LayeredHintWindowTest, AClickCutsTheDisplayShort) {
    model.show();
    pumpMessages();
    ASSERT_NE(model.DisplayTimer.interval(), 10);
    // A press alone does nothing; the release is the click.
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_NE(model.DisplayTimer.interval(), 10);
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(model.DisplayTimer.interval(), 10);
}

TEST_F(LayeredHintWindowTest, FollowsTheModelWhileShown) {
    model.show();
    pumpMessages();
    // The model moves the window and changes the text: one refresh, when the loop runs.
    model.bounds = {40, 50, 321, 77};
    model.Label1.setCaption("Another text");
    model.Label1.setColour(rgb(255, 0, 0));
    RECT before{};
    GetWindowRect(window, &before);
    EXPECT_NE(before.right - before.left, 321);
    pumpMessages();
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_EQ((Rect{after.left, after.top, after.right - after.left, after.bottom - after.top}),
              (Rect{40, 50, 321, 77}));
}

TEST_F(LayeredHintWindowTest, TheClearGroundTakesRealClicks) {
    model.show();
    pumpMessages();
    ASSERT_TRUE(model.backgroundTransparent);
    // A corner of the window, away from the glyphs: clear, yet the click is the
    // window's. (Wine's own hit test for injected input does not look at the alpha; the
    // X server's does, and shapes the window to its pixels of alpha above 0.)
    ASSERT_TRUE(SetCursorPos(model.bounds.left + 1, model.bounds.top + 1));
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2U);
    for (int round = 0; round < 100 && model.DisplayTimer.interval() != 10; ++round) {
        Sleep(10);
        pumpMessages();
    }
    EXPECT_EQ(model.DisplayTimer.interval(), 10);
}

}  // namespace
}  // namespace solvane::windows
