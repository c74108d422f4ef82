#include "platform/windows/Win32Monitors.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

namespace solvane::windows {
namespace {

TEST(Win32Monitors, EachMonitorWithItsFullBoundsTogetherSpanningTheVirtualScreen) {
    const std::vector<Rect> monitors = Win32Monitors().list();
    ASSERT_EQ(static_cast<int>(monitors.size()), GetSystemMetrics(SM_CMONITORS));
    // The primary monitor, with the area that a docked task bar or tray host takes.
    const Rect primary{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_NE(std::find(monitors.begin(), monitors.end(), primary), monitors.end());
    int left = monitors.front().left, top = monitors.front().top, right = left, bottom = top;
    for (const Rect& monitor : monitors) {
        left = std::min(left, monitor.left);
        top = std::min(top, monitor.top);
        right = std::max(right, monitor.left + monitor.width);
        bottom = std::max(bottom, monitor.top + monitor.height);
    }
    EXPECT_EQ(left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(top, GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_EQ(right - left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(bottom - top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

}  // namespace
}  // namespace solvane::windows
