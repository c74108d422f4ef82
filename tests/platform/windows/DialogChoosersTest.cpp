// The settings dialog's choosers under Windows (Wine): Windows' own font chooser with
// its Apply button at its place, and the colour buttons that answer the mouse only.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "Win32DialogHarness.h"
#include "platform/windows/DialogChoosers.h"

namespace solvane::windows {
namespace {

using testing::Win32DialogHarness;
using testing::windowText;

// Answers the common dialog that the settings dialog opens (a window of the class
// "#32770" that it owns) from a timer, which the chooser's own message loop runs.
class ChooserAnswerer {
public:
    ChooserAnswerer(HWND owner, std::function<void(HWND chooser)> answer) {
        current_ = this;
        owner_ = owner;
        answer_ = std::move(answer);
        timer_ = SetTimer(nullptr, 0, 30, tick);
    }
    ~ChooserAnswerer() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    int answered = 0;

private:
    static BOOL CALLBACK findChooser(HWND window, LPARAM found) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) != L"#32770" || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != owner_)
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!current_) return;
        HWND chooser = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), findChooser, reinterpret_cast<LPARAM>(&chooser));
        if (!chooser) return;
        ++current_->answered;
        current_->answer_(chooser);
    }

    static inline ChooserAnswerer* current_ = nullptr;
    static inline HWND owner_ = nullptr;
    std::function<void(HWND)> answer_;
    UINT_PTR timer_ = 0;
};

struct DialogChoosersTest : ::testing::Test {
    Win32DialogHarness h;
    void SetUp() override { h.showPage(ConfigPage::FontColour); }
};

TEST_F(DialogChoosersTest, TheFontChooserOpensAtItsPlaceAndItsApplyButtonAppliesTheFont) {
    // A font this system has, unlike the default Verdana, so that the chooser selects it.
    h.model().FontDialog1Font = FontSpec{"Tahoma", 20, 0, 0};
    ASSERT_EQ(h.model().Label1.font().name, "Verdana");
    POINT openedAt{};
    bool applyShown = false;
    ChooserAnswerer answerer(h.window(), [&](HWND chooser) {
        RECT bounds{};
        GetWindowRect(chooser, &bounds);
        openedAt = {bounds.left, bounds.top};
        const HWND apply = GetDlgItem(chooser, FontChooserApplyId);
        applyShown = apply && IsWindowVisible(apply);
        if (apply) SendMessageW(apply, BM_CLICK, 0, 0);
        PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
    });
    SendMessageW(h.control("Button6"), BM_CLICK, 0, 0);
    Win32DialogHarness::pump();
    ASSERT_EQ(answerer.answered, 1);
    EXPECT_TRUE(applyShown);
    const Point expected = h.dialog().fontChooserPosition();
    EXPECT_EQ(openedAt.x, expected.x);
    EXPECT_EQ(openedAt.y, expected.y);
    // Just inside the Font group, level with the top of its button.
    RECT group{};
    GetWindowRect(h.control("GroupBoxFont"), &group);
    RECT button{};
    GetWindowRect(h.control("Button6"), &button);
    EXPECT_EQ(expected.x, group.left + 2);
    EXPECT_EQ(expected.y, button.top + 4);

    // Apply chose the font; Cancel took back the preview's text font only.
    EXPECT_EQ(h.model().FontDialog1Font.name, "Tahoma");
    EXPECT_EQ(h.model().FontDialog1Font.size, 20);
    EXPECT_EQ(windowText(h.control("Edit6")), "Tahoma");
    EXPECT_EQ(h.model().Label1.font().name, "Verdana");
}

TEST_F(DialogChoosersTest, OkOfTheFontChooserHandsTheChosenFontToThePage) {
    h.model().FontDialog1Font = FontSpec{"Tahoma", 33, StyleBold, 0};
    ChooserAnswerer answerer(h.window(), [](HWND chooser) { PostMessageW(chooser, WM_COMMAND, IDOK, 0); });
    SendMessageW(h.control("Button6"), BM_CLICK, 0, 0);
    Win32DialogHarness::pump();
    ASSERT_EQ(answerer.answered, 1);
    EXPECT_EQ(h.model().Label1.font().name, "Tahoma");
    EXPECT_EQ(h.model().Label1.font().size, 33);
    EXPECT_EQ(h.model().Label1.font().style, StyleBold);
    EXPECT_EQ(windowText(h.control("Edit6")), "Tahoma");
}

TEST_F(DialogChoosersTest, TheColourButtonsAndSwatchesOpenTheChooserForTheMouseOnly) {
    int opened = 0;
    ChooserAnswerer answerer(h.window(), [&](HWND chooser) {
        ++opened;
        PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
    });
    const Colour before = h.model().Shape3.colour();
    SetFocus(h.control("Button3"));
    Win32DialogHarness::pressKey(VK_SPACE);
    Win32DialogHarness::pressKey(VK_RETURN);
    EXPECT_EQ(opened, 0) << "a key press on a colour button does nothing";

    SendMessageW(h.control("Button3"), BM_CLICK, 0, 0);
    Win32DialogHarness::pump();
    EXPECT_EQ(opened, 1) << "a left click on the button";
    SendMessageW(h.control("Shape3"), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    Win32DialogHarness::pump();
    EXPECT_EQ(opened, 2) << "a right click on the swatch";
    EXPECT_EQ(h.model().Shape3.colour(), before) << "Cancel changes nothing";
}

TEST(FontSpecOfLogFont, TakesTheFacePointsAndStyleAtTheScreensDpi) {
    LOGFONTW font{};
    font.lfHeight = -36;
    font.lfWeight = FW_BOLD;
    font.lfItalic = TRUE;
    wcscpy(font.lfFaceName, L"Gr\u00FC\u00DFe Sans");
    const FontSpec spec = fontSpecOf(font, 96, rgb(1, 2, 3));
    EXPECT_EQ(spec.name, "Gr\u00FC\u00DFe Sans");
    EXPECT_EQ(spec.size, 27);
    EXPECT_EQ(spec.style, StyleBold | StyleItalic);
    EXPECT_EQ(spec.colour, rgb(1, 2, 3));
    font.lfWeight = FW_SEMIBOLD;
    font.lfHeight = -30;
    EXPECT_EQ(fontSpecOf(font, 120, 0).size, 18);
    EXPECT_EQ(fontSpecOf(font, 120, 0).style, StyleItalic) << "semi-bold is no bold";
}

}  // namespace
}  // namespace solvane::windows
