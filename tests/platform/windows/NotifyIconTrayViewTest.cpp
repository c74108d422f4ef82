#include "platform/windows/NotifyIconTrayView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowsProgramHarness.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {
namespace {

using testing::pumpMessages;

// Makes the tray view with a stand-in for the shell that records every call.
struct RecordingWindows : WindowsWindowSystem {
    struct Call {
        DWORD message;
        NOTIFYICONDATAW data;
    };
    std::vector<Call> calls;
    std::unique_ptr<platform::TrayView> createTrayView(TfrmSlv17k30Main& main) override {
        return std::make_unique<NotifyIconTrayView>(main, [this](DWORD message, const NOTIFYICONDATAW& data) {
            calls.push_back({message, data});
        });
    }
    int count(DWORD message) const {
        int n = 0;
        for (const Call& call : calls) n += call.message == message ? 1 : 0;
        return n;
    }
};

struct NotifyIconTrayViewTest : ::testing::Test {
    testing::WindowsProgramHarness<RecordingWindows> h;
    TfrmSlv17k30Main& main = h.program.main();
    NotifyIconTrayView& view = dynamic_cast<NotifyIconTrayView&>(*main.TrayIcon1.view());
    HWND callback = view.callbackWindow();

    void iconReports(UINT mouseMessage) {
        SendMessageW(callback, NotifyIconTrayView::CallbackMessage, 0, static_cast<LPARAM>(mouseMessage));
    }
    const RecordingWindows::Call& lastCall() { return h.windows.calls.back(); }

    std::wstring caption(UINT position) {
        wchar_t text[128] = {};
        GetMenuStringW(view.menu().handle(), position, text, 128, MF_BYPOSITION);
        return text;
    }
    MENUITEMINFOW info(UINT position) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
        GetMenuItemInfoW(view.menu().handle(), position, TRUE, &item);
        return item;
    }
};

TEST_F(NotifyIconTrayViewTest, ClicksReachTheIconAsTheShellReportsThem) {
    std::string seen;
    main.TrayIcon1.OnClick = [&] { seen += "click "; };
    main.TrayIcon1.OnDblClick = [&] { seen += "double "; };
    main.TrayIcon1.OnRightClick = [&](Point at) {
        seen += "right " + std::to_string(at.x) + "," + std::to_string(at.y) + " ";
    };
    ASSERT_TRUE(SetCursorPos(123, 45));
    // A double click, as the shell reports it: press, release, double click, release.
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) iconReports(message);
    // Moves, presses and the middle button report nothing; the right release does.
    for (const UINT message : {WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONUP}) {
        iconReports(message);
    }
    EXPECT_EQ(seen, "click double click right 123,45 ");
}

TEST_F(NotifyIconTrayViewTest, TheIconShowsTheModelsImageAndToolTip) {
    // Added first, then given its image and tool tip.
    ASSERT_FALSE(h.windows.calls.empty());
    EXPECT_EQ(h.windows.calls.front().message, static_cast<DWORD>(NIM_ADD));
    const NOTIFYICONDATAW& shown = lastCall().data;
    EXPECT_EQ(shown.hWnd, callback);
    EXPECT_EQ(shown.uCallbackMessage, NotifyIconTrayView::CallbackMessage);
    EXPECT_EQ(shown.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(std::wstring(shown.szTip), L"Left-Click: Stop / Right-Click: Menu");

    main.TrayIcon1.setToolTip("\xD7\xA2\xD7\xA6\xD7\x95\xD7\xA8 \xE2\x80\x93 Stop");
    EXPECT_EQ(lastCall().message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(std::wstring(lastCall().data.szTip), L"\u05E2\u05E6\u05D5\u05E8 \u2013 Stop");

    main.TrayIcon1.setActive(false);
    EXPECT_EQ(lastCall().message, static_cast<DWORD>(NIM_DELETE));
    const std::size_t calls = h.windows.calls.size();
    main.TrayIcon1.setToolTip("hidden");
    EXPECT_EQ(h.windows.calls.size(), calls);
}

TEST_F(NotifyIconTrayViewTest, ANewTaskbarGetsTheIconAgain) {
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    const int adds = h.windows.count(NIM_ADD);
    SendMessageW(callback, taskbarCreated, 0, 0);
    EXPECT_EQ(h.windows.count(NIM_ADD), adds + 1);
    EXPECT_EQ(std::wstring(lastCall().data.szTip), L"Left-Click: Stop / Right-Click: Menu");
    // A hidden icon stays hidden.
    main.TrayIcon1.setActive(false);
    SendMessageW(callback, taskbarCreated, 0, 0);
    EXPECT_EQ(h.windows.count(NIM_ADD), adds + 1);
}

TEST_F(NotifyIconTrayViewTest, TheIconGoesWithTheWindows) {
    h.program.destroyWindows();
    EXPECT_EQ(h.windows.count(NIM_DELETE), 1);
    EXPECT_EQ(lastCall().message, static_cast<DWORD>(NIM_DELETE));
}

TEST_F(NotifyIconTrayViewTest, TheSessionsEndEndsTheProgramWithExitCodeOne) {
    EXPECT_EQ(SendMessageW(callback, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_TRUE(h.program.ending());
    EXPECT_EQ(h.program.exitCode(), 1);
    SendMessageW(callback, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(h.program.exitCode(), 1);
}

TEST_F(NotifyIconTrayViewTest, AnEndOfSessionWithoutTheQuestionEndsItToo) {
    SendMessageW(callback, WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(h.program.ending());
    SendMessageW(callback, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(h.program.ending());
    EXPECT_EQ(h.program.exitCode(), 1);
}

TEST_F(NotifyIconTrayViewTest, TheMenuHoldsTheItemsInOrder) {
    const MenuItem* items[] = {&main.StartStopp1, &main.N1, &main.Affirmationen1, &main.FarbeSchrift1,
                               &main.Anzeige1,    &main.N3, &main.Hilfe1,         &main.OnlineTutorials1,
                               &main.About1,      &main.N2, &main.Verstecken1,    &main.Beenden1};
    ASSERT_EQ(GetMenuItemCount(view.menu().handle()), 12);
    for (UINT i = 0; i < 12; ++i) {
        const MENUITEMINFOW item = info(i);
        EXPECT_EQ((item.fType & MFT_SEPARATOR) != 0, items[i]->isSeparator()) << i;
        EXPECT_EQ(view.menu().item(item.wID), items[i]) << i;
        if (!items[i]->isSeparator()) {
            EXPECT_EQ(toUtf8(caption(i)), items[i]->caption()) << i;
        }
    }
    // Access keys as everywhere on Windows.
    EXPECT_EQ(caption(3), L"&Font && Color...");
    EXPECT_EQ(caption(8), L"Abo&ut...");
    EXPECT_EQ(view.menu().item(0), nullptr);
    EXPECT_EQ(view.menu().item(13), nullptr);
}

TEST_F(NotifyIconTrayViewTest, TheMenuFollowsTheItems) {
    main.Verstecken1.setCaption("&Verstecken");
    main.Hilfe1.setEnabled(false);
    main.OnlineTutorials1.setVisible(false);
    EXPECT_EQ(caption(10), L"&Hide");  // rebuilt once, when the loop runs
    pumpMessages();
    ASSERT_EQ(GetMenuItemCount(view.menu().handle()), 11);
    EXPECT_EQ(caption(6), L"&Help...");
    EXPECT_TRUE(info(6).fState & MFS_GRAYED);
    EXPECT_EQ(caption(7), L"Abo&ut...");
    EXPECT_EQ(caption(9), L"&Verstecken");
    EXPECT_EQ(view.menu().item(info(7).wID), &main.About1);

    // Mirrored for a language read from the right.
    EXPECT_FALSE(view.menu().trackFlags() & TPM_LAYOUTRTL);
    h.program.texts.RightToLeft = true;
    EXPECT_TRUE(view.menu().trackFlags() & TPM_LAYOUTRTL);
}

TEST_F(NotifyIconTrayViewTest, TheChosenItemRunsItsAction) {
    // While the menu is open, the user presses the access key of "&Display...".
    SetTimer(callback, 1, 100, [](HWND window, UINT, UINT_PTR id, DWORD) {
        KillTimer(window, id);
        PostMessageW(window, WM_CHAR, L'd', 0);
    });
    // Should the key not reach the menu, it is closed all the same.
    SetTimer(callback, 2, 5000, [](HWND window, UINT, UINT_PTR id, DWORD) {
        KillTimer(window, id);
        EndMenu();
    });
    ASSERT_NE(h.program.config().activePage(), ConfigPage::Display);
    view.popupMenu({200, 200});
    KillTimer(callback, 2);
    EXPECT_EQ(h.program.config().activePage(), ConfigPage::Display);
    EXPECT_TRUE(h.program.config().visible());
}

}  // namespace
}  // namespace solvane::windows
