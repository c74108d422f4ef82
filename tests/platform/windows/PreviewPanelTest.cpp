// The preview on the Font & Color page, as it shows on the screen: the panel's green,
// the backdrop in the background colour, and the text's layers in their colours.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "Win32DialogHarness.h"

namespace solvane::windows {
namespace {

using testing::Win32DialogHarness;

std::set<std::uint32_t> coloursOnScreen(HWND window) {
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    const HDC screen = GetDC(window);
    std::set<std::uint32_t> colours;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) colours.insert(GetPixel(screen, x, y) & 0xFFFFFF);
    }
    ReleaseDC(window, screen);
    return colours;
}

constexpr std::uint32_t Green = RGB(0, 128, 0);
constexpr std::uint32_t Black = RGB(0, 0, 0);
constexpr std::uint32_t White = RGB(255, 255, 255);
constexpr std::uint32_t Blue = RGB(40, 60, 200);

struct PreviewPanelTest : ::testing::Test {
    Win32DialogHarness h;
    void SetUp() override { h.showPage(ConfigPage::FontColour); }
    std::set<std::uint32_t> preview() {
        Win32DialogHarness::pump();
        return coloursOnScreen(h.control("Panel2"));
    }
};

TEST_F(PreviewPanelTest, WithATransparentBackgroundTheTextAndItsContourLieOnThePanelsGreen) {
    const auto colours = preview();
    EXPECT_TRUE(colours.count(Green));
    EXPECT_TRUE(colours.count(Black)) << "the text";
    EXPECT_TRUE(colours.count(White)) << "the contour";
}

TEST_F(PreviewPanelTest, AnOpaqueBackgroundCoversThePanelInTheBackgroundColour) {
    h.model().Shape1.setColour(Blue);
    SendMessageW(h.control("cbTBack"), BM_CLICK, 0, 0);
    ASSERT_FALSE(h.model().cbTBack.checked());
    const auto colours = preview();
    EXPECT_FALSE(colours.count(Green));
    EXPECT_TRUE(colours.count(Blue));
    EXPECT_TRUE(colours.count(Black));
}

TEST_F(PreviewPanelTest, WithoutContourOnlyTheTextAndItsSmoothedEdgesShow) {
    SendMessageW(h.control("cbKonturtransparenz"), BM_CLICK, 0, 0);
    ASSERT_TRUE(h.model().cbKonturtransparenz.checked());
    const auto colours = preview();
    EXPECT_TRUE(colours.count(Black));
    EXPECT_FALSE(colours.count(White)) << "no white contour";
}

}  // namespace
}  // namespace solvane::windows
