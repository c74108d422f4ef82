// The settings dialog's window and controls under Windows (Wine): frame, places,
// and the page rules driven through the real controls' messages.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "Win32DialogHarness.h"
#include "platform/windows/DialogControlNames.h"
#include "settings/Settings.h"

namespace solvane::windows {
namespace {

using testing::boundsInParent;
using testing::placeInParent;
using testing::placeOf;
using testing::Win32DialogHarness;
using testing::windowText;

struct Win32ConfigDialogTest : ::testing::Test {
    Win32DialogHarness h;
    int dpi() { return static_cast<int>(GetDpiForWindow(h.window())); }
    int scaled(int pixels) { return MulDiv(pixels, dpi(), 96); }
    Rect scaled(int left, int top, int width, int height) {
        return {scaled(left), scaled(top), scaled(width), scaled(height)};
    }
    HWND control(const char* name) {
        const HWND found = h.control(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) {
        SendMessageW(control(name), BM_CLICK, 0, 0);
        Win32DialogHarness::pump();
    }
    bool checked(const char* name) { return SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool enabled(const char* name) { return IsWindowEnabled(control(name)) != FALSE; }
    // The user types over the field's whole text.
    void typeOver(const char* name, const char* text) {
        const HWND field = control(name);
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        for (const char* letter = text; *letter; ++letter) SendMessageW(field, WM_CHAR, *letter, 1);
        Win32DialogHarness::pump();
    }
    std::string text(const char* name) { return windowText(control(name)); }
};

TEST_F(Win32ConfigDialogTest, TheFrameHasItsTitleItsSizeAndNoTitleBarButtons) {
    wchar_t className[64] = {};
    GetClassNameW(h.window(), className, 64);
    EXPECT_EQ(std::wstring(className), L"TfrmConfig");
    EXPECT_EQ(windowText(h.window()), "Settings");
    RECT client{};
    GetClientRect(h.window(), &client);
    EXPECT_EQ(client.right, scaled(513));
    EXPECT_EQ(client.bottom, scaled(401));
    const LONG_PTR style = GetWindowLongPtrW(h.window(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    for (const LONG_PTR absent : {WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_THICKFRAME, WS_CHILD})
        EXPECT_EQ(style & absent, 0) << std::hex << absent;

    const HWND tabs = control("PageControl1");
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 6);
    const char* captions[] = {"Links", "Affirmations", "Font && Color", "Display", "About", "Thanks"};
    for (int page = 0; page < 6; ++page) {
        wchar_t caption[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(toUtf8(caption), captions[page]);
    }
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), static_cast<int>(ConfigPage::Affirmations));
}

TEST_F(Win32ConfigDialogTest, HasATaskbarEntryOfItsOwnOnlyWhileItIsShown) {
    const LONG_PTR extended = GetWindowLongPtrW(h.window(), GWL_EXSTYLE);
    EXPECT_NE(extended & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(extended & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(GetWindow(h.window(), GW_OWNER), nullptr);
    EXPECT_FALSE(IsWindowVisible(h.window()));
    h.model().show();
    Win32DialogHarness::pump();
    EXPECT_TRUE(IsWindowVisible(h.window()));
    h.model().close();
    EXPECT_FALSE(IsWindowVisible(h.window()));
}

TEST_F(Win32ConfigDialogTest, OpensCentredInTheWorkArea) {
    h.model().show();
    RECT outer{};
    GetWindowRect(h.window(), &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(h.window(), MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_LE(std::abs((outer.left + outer.right) - (monitor.rcWork.left + monitor.rcWork.right)), 2);
    EXPECT_LE(std::abs((outer.top + outer.bottom) - (monitor.rcWork.top + monitor.rcWork.bottom)), 2);
    const Rect frame = h.model().frame();
    EXPECT_EQ(frame.left, outer.left);
    EXPECT_EQ(frame.width, outer.right - outer.left);
}

// Each page's controls by their groups, as the dialog is designed.
struct Grouping {
    const char* page;
    const char* group;  // nullptr: straight on the page
    std::vector<const char*> controls;
};

TEST_F(Win32ConfigDialogTest, EveryControlLiesOnItsPageInsideItsGroup) {
    const Grouping groupings[] = {
        {"TabLinks", nullptr, {"Image1", "Image4", "Image5", "Image3", "Image6", "Image7", "Image9"}},
        {"TabAffirmations", "GroupBoxAffirmations", {"Label16", "Edit5"}},
        {"TabFontColour", "GroupBoxPreview", {"Panel2"}},
        {"TabFontColour", "GroupBoxFont", {"Button6", "Edit6", "cbZSchriftart", "cbZSize"}},
        {"TabFontColour",
         "GroupBoxColours",
         {"Button3", "Shape5", "Shape3", "cbZSFarbe", "cbSchatten", "Button4", "Shape6", "Shape4", "cbZKFarbe",
          "cbKonturtransparenz", "Button2", "Shape7", "Shape1", "cbZFarbe", "cbTBack"}},
        {"TabDisplay",
         "GroupBoxDisplay",
         {"ComboBox1",
          "cbAutorun",
          "cbVersteckt",
          "Label14",
          "Edit1",
          "Label32",
          "Edit4",
          "Label33",
          "tbAnzeige",
          "Label12",
          "Edit3",
          "Label20",
          "Edit2",
          "Label21",
          "tbAnzeigeIntervall",
          "cbVollbild",
          "cbStartWithPause",
          "cbMultiple",
          "cbSCRPause",
          "Label13",
          "Edit8"}},
        {"TabAbout", nullptr, {"Image15", "Memo2", "Label10", "Label15"}},
        {"TabThanks", nullptr, {"Image11"}}};
    for (const Grouping& grouping : groupings) {
        const HWND page = control(grouping.page);
        RECT area{};
        GetClientRect(page, &area);
        if (grouping.group) {
            const HWND group = control(grouping.group);
            EXPECT_EQ(GetParent(group), page) << grouping.group;
            area = boundsInParent(group);
        }
        for (const char* name : grouping.controls) {
            const HWND window = control(name);
            if (!window) continue;
            EXPECT_EQ(GetParent(window), page) << name << " is on " << grouping.page;
            const RECT bounds = boundsInParent(window);
            EXPECT_TRUE(bounds.left >= area.left && bounds.top >= area.top && bounds.right <= area.right &&
                        bounds.bottom <= area.bottom)
                << name << " " << ::testing::PrintToString(placeOf(bounds)) << " lies outside "
                << (grouping.group ? grouping.group : grouping.page) << " " << ::testing::PrintToString(placeOf(area));
        }
    }
}

TEST_F(Win32ConfigDialogTest, ControlsSitAtTheirDesignedPlacesScaledToTheDpi) {
    h.showPage(ConfigPage::Display);
    // In the dialog's client area.
    EXPECT_EQ(placeInParent(control("PageControl1")), scaled(5, 5, 502, 354));
    EXPECT_EQ(placeInParent(control("Button9")), scaled(332, 368, 83, 25));
    EXPECT_EQ(placeInParent(control("Button10")), scaled(424, 368, 83, 25));
    // On their pages: a group's controls lie at the group's place plus their own.
    EXPECT_EQ(placeInParent(control("GroupBoxDisplay")), scaled(4, 4, 486, 317));
    EXPECT_EQ(placeInParent(control("cbAutorun")), scaled(4 + 28, 4 + 61, 429, 17));
    EXPECT_EQ(placeInParent(control("Edit1")), scaled(4 + 27, 4 + 142, 19, 20));
    EXPECT_EQ(placeInParent(control("tbAnzeige")), scaled(4 + 20, 4 + 165, 205, 30));
    EXPECT_EQ(placeInParent(control("Edit3")), scaled(4 + 261, 4 + 142, 19, 20));
    const RECT list = boundsInParent(control("ComboBox1"));
    EXPECT_EQ(list.left, scaled(4 + 25));
    EXPECT_EQ(list.top, scaled(4 + 32));
    EXPECT_EQ(list.right - list.left, scaled(432));
    EXPECT_EQ(placeInParent(control("Edit6")), scaled(4 + 176, 113 + 27, 97, 21));
    EXPECT_EQ(placeInParent(control("Edit5")), scaled(4 + 48, 4 + 60, 417, 21));
    EXPECT_EQ(placeInParent(control("Panel2")), scaled(4 + 25, 4 + 15, 448, 81));

    EXPECT_EQ(placeInParent(control("Shape4")), scaled(4 + 177, 184 + 63 + 3, 95, 19));
    EXPECT_EQ(placeInParent(control("Image9")), scaled(328, 160, 161, 145));
    EXPECT_EQ(placeInParent(control("Image11")), scaled(5, 9, 484, 308));
    // A field after a caption on its row starts after the caption.
    const RECT count = boundsInParent(control("Edit8"));
    EXPECT_GE(count.left, scaled(4 + 91));
    EXPECT_GE(count.left, boundsInParent(control("Label13")).right);
}

TEST_F(Win32ConfigDialogTest, TheNumberFieldsShowTheirLongestNumbersWhole) {
    h.showPage(ConfigPage::Display);
    h.model().cbMultiple.setChecked(true);
    const std::pair<const char*, const char*> longest[] = {
        {"Edit1", "59"}, {"Edit4", "999"}, {"Edit3", "99"}, {"Edit2", "59"}, {"Edit8", "9999"}};
    for (const auto& [name, number] : longest) {
        // Typed by the user: the caret stands after the number, and the field scrolls
        // its start out of sight when the number and the caret do not fit.
        typeOver(name, number);
        ASSERT_EQ(text(name), number);
        EXPECT_EQ(SendMessageW(control(name), EM_GETFIRSTVISIBLELINE, 0, 0), 0) << name << " shows " << number;
    }
}

TEST_F(Win32ConfigDialogTest, TabVisitsTheDisplayControlsInTheirOrder) {
    h.showPage(ConfigPage::Display);
    const HWND page = control("TabDisplay");
    std::vector<std::string> visited;
    HWND at = control("ComboBox1");
    do {
        if (IsChild(page, at)) visited.emplace_back(dialogControlName(GetDlgCtrlID(at)));
        at = GetNextDlgTabItem(h.window(), at, FALSE);
    } while (at && at != control("ComboBox1") && visited.size() < 40);
    const std::vector<std::string> expected{
        "ComboBox1",          "cbAutorun",        "Edit1",      "Edit4",      "tbAnzeige",
        "cbVollbild",         "cbMultiple",       "Edit8",      "Edit3",      "Edit2",
        "tbAnzeigeIntervall", "cbStartWithPause", "cbSCRPause", "cbVersteckt"};
    // Edit8 is greyed until "Multiple Affirmations" is on, and Tab passes it by.
    std::vector<std::string> withoutCount = expected;
    std::erase(withoutCount, "Edit8");
    EXPECT_EQ(visited, withoutCount);
}

TEST_F(Win32ConfigDialogTest, TabEntersTheNextFieldWithItsWholeTextSelected) {
    h.showPage(ConfigPage::Display);
    SetFocus(control("Edit1"));
    Win32DialogHarness::pressKey(VK_TAB);
    ASSERT_EQ(GetFocus(), control("Edit4"));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(control("Edit4"), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);  // "700"
    EXPECT_EQ(h.model().Edit4.selectionLength(), 3);
}

TEST_F(Win32ConfigDialogTest, CtrlTabTurnsThePages) {
    h.showPage(ConfigPage::Display);
    SetFocus(control("ComboBox1"));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    Win32DialogHarness::pressKey(VK_TAB);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(h.model().activePage(), ConfigPage::About);
    EXPECT_TRUE(IsWindowVisible(control("TabAbout")));
    EXPECT_FALSE(IsWindowVisible(control("TabDisplay")));
}

TEST_F(Win32ConfigDialogTest, AutorunOffGreysHideWhichKeepsItsTick) {
    h.showPage(ConfigPage::Display);
    click("cbVersteckt");
    ASSERT_TRUE(checked("cbVersteckt"));
    click("cbAutorun");
    EXPECT_FALSE(h.model().cbAutorun.checked());
    EXPECT_FALSE(checked("cbAutorun"));
    EXPECT_FALSE(enabled("cbVersteckt"));
    EXPECT_TRUE(checked("cbVersteckt"));
    click("cbAutorun");
    EXPECT_TRUE(enabled("cbVersteckt"));
}

TEST_F(Win32ConfigDialogTest, MultipleAffirmationsGreysFullscreenAndFreesTheCount) {
    h.showPage(ConfigPage::Display);
    click("cbVollbild");
    ASSERT_TRUE(checked("cbVollbild"));
    for (const bool on : {true, false}) {
        click("cbMultiple");
        EXPECT_EQ(h.model().cbMultiple.checked(), on);
        EXPECT_EQ(enabled("cbVollbild"), !on);
        EXPECT_TRUE(checked("cbVollbild")) << "a greyed box keeps its tick";
        EXPECT_EQ(enabled("Edit8"), on);
        EXPECT_EQ(enabled("Label13"), on);
    }
}

TEST_F(Win32ConfigDialogTest, SecondsAreCheckedWhenTheFocusMovesToAnotherControl) {
    h.showPage(ConfigPage::Display);
    typeOver("Edit1", "75");
    EXPECT_EQ(h.model().Edit1.text(), "75");
    EXPECT_EQ(h.model().tbAnzeige.position(), 2700) << "the seconds have no check while typing";
    // The focus going to no window of the dialog (another program) is no leaving.
    SetFocus(nullptr);
    Win32DialogHarness::pump();
    EXPECT_EQ(text("Edit1"), "75");

    SetFocus(control("Edit1"));
    SetFocus(control("Edit4"));
    Win32DialogHarness::pump();
    EXPECT_EQ(text("Edit1"), "0");
    EXPECT_EQ(h.model().tbAnzeige.position(), 700);
    EXPECT_EQ(SendMessageW(control("tbAnzeige"), TBM_GETPOS, 0, 0), 700);
}

TEST_F(Win32ConfigDialogTest, LettersInTheCountTurnIntoTheResetTextAsTheyAreTyped) {
    h.showPage(ConfigPage::Display);
    click("cbMultiple");
    typeOver("Edit8", "abc");
    EXPECT_EQ(h.model().Edit8.text(), "0002");
    EXPECT_EQ(text("Edit8"), "0002");
    typeOver("Edit8", "1234");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(control("Edit8"), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 4u) << "a full field is selected, so that the next key replaces it";
    SendMessageW(control("Edit8"), EM_SETSEL, 4, 4);
    SendMessageW(control("Edit8"), WM_CHAR, '5', 1);
    Win32DialogHarness::pump();
    EXPECT_EQ(text("Edit8"), "1234") << "at most four characters";
    EXPECT_EQ(h.model().Edit8.text(), "1234");
}

TEST_F(Win32ConfigDialogTest, MovingTheDisplayBarRewritesTheFieldsAndRetimesTheRunningDisplay) {
    ASSERT_TRUE(h.fake.loop.advanceUntil([&] { return h.windows.hint && h.windows.hint->onScreen; }, 5000));
    h.showPage(ConfigPage::Display);
    const HWND bar = control("tbAnzeige");
    // What a drag of the handle does: the bar moves, then tells its parent.
    SendMessageW(bar, TBM_SETPOS, TRUE, 12345);
    SendMessageW(GetParent(bar), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 12345), reinterpret_cast<LPARAM>(bar));
    Win32DialogHarness::pump();
    EXPECT_EQ(h.model().tbAnzeige.position(), 12345);
    EXPECT_EQ(text("Edit1"), "12");
    EXPECT_EQ(text("Edit4"), "345");
    EXPECT_TRUE(h.program.hint().DisplayTimer.enabled());
    EXPECT_EQ(h.program.hint().DisplayTimer.interval(), 12345);

    const HWND pause = control("tbAnzeigeIntervall");
    SendMessageW(pause, TBM_SETPOS, TRUE, 61);
    SendMessageW(GetParent(pause), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(pause));
    Win32DialogHarness::pump();
    EXPECT_EQ(text("Edit3"), "1");
    EXPECT_EQ(text("Edit2"), "1");
    EXPECT_EQ(h.model().PauseTimer.interval(), 61'000);
}

TEST_F(Win32ConfigDialogTest, TheBarsHaveTheirRangesNoTicksAndStepsOfOneAndTwo) {
    h.showPage(ConfigPage::Display);
    const HWND bar = control("tbAnzeige");
    EXPECT_EQ(SendMessageW(bar, TBM_GETRANGEMIN, 0, 0), 50);
    EXPECT_EQ(SendMessageW(bar, TBM_GETRANGEMAX, 0, 0), 59999);
    EXPECT_EQ(SendMessageW(bar, TBM_GETPOS, 0, 0), 2700);
    EXPECT_NE(GetWindowLongPtrW(bar, GWL_STYLE) & TBS_NOTICKS, 0);
    SetFocus(bar);
    Win32DialogHarness::pressKey(VK_RIGHT);
    EXPECT_EQ(h.model().tbAnzeige.position(), 2701);
    Win32DialogHarness::pressKey(VK_NEXT);
    EXPECT_EQ(h.model().tbAnzeige.position(), 2703);
    EXPECT_EQ(text("Edit4"), "703");
}

TEST_F(Win32ConfigDialogTest, EscapeAndTheWindowsCloseActAsCancel) {
    const std::string stored = h.model().Edit5.text();
    for (const bool escape : {true, false}) {
        h.showPage(ConfigPage::Affirmations);
        typeOver("Edit5", "dismissed");
        ASSERT_EQ(h.model().Edit5.text(), "dismissed");
        if (escape) {
            Win32DialogHarness::pressKey(VK_ESCAPE);
        } else {
            SendMessageW(h.window(), WM_CLOSE, 0, 0);
            Win32DialogHarness::pump();
        }
        EXPECT_FALSE(h.model().visible()) << escape;
        EXPECT_FALSE(IsWindowVisible(h.window())) << escape;
        EXPECT_EQ(h.model().Edit5.text(), stored) << escape;
        h.model().show();
        EXPECT_EQ(text("Edit5"), stored) << escape;
        h.model().close();
    }
}

TEST_F(Win32ConfigDialogTest, EnterPressesNoButton) {
    h.showPage(ConfigPage::Affirmations);
    typeOver("Edit5", "kept");
    Win32DialogHarness::pressKey(VK_RETURN);
    EXPECT_TRUE(h.model().visible());
    EXPECT_EQ(h.model().Edit5.text(), "kept");
}

TEST_F(Win32ConfigDialogTest, OkStoresAndCancelRestores) {
    h.showPage(ConfigPage::Affirmations);
    typeOver("Edit5", "Stored");
    click("Button9");
    EXPECT_FALSE(IsWindowVisible(h.window()));
    EXPECT_EQ(h.program.settings().EinzelAffirmation(), "Stored");
    h.showPage(ConfigPage::Affirmations);
    typeOver("Edit5", "Not stored");
    click("Button10");
    EXPECT_FALSE(IsWindowVisible(h.window()));
    EXPECT_EQ(h.model().Edit5.text(), "Stored");
}

TEST_F(Win32ConfigDialogTest, AHiddenDialogDrawsNothingUntilItOpensAgain) {
    h.showPage(ConfigPage::Affirmations);
    h.model().close();
    h.model().Edit5.setText("Neu");
    h.model().setActivePage(ConfigPage::Display);
    Win32DialogHarness::pump();
    EXPECT_NE(text("Edit5"), "Neu");
    h.model().show();
    EXPECT_EQ(text("Edit5"), "Neu");
    EXPECT_TRUE(IsWindowVisible(control("TabDisplay")));
    EXPECT_FALSE(IsWindowVisible(control("TabAffirmations")));
}

}  // namespace
}  // namespace solvane::windows
