#include "platform/windows/NotifyIconTrayView.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "app/TfrmSlv17k30Main.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

constexpr Win32Window::Kind CallbackWindowKind{L"SolvaneTrayIcon", L"", WS_POPUP, WS_EX_TOOLWINDOW};

// Posted to the callback window to rebuild the menu once, however often it changed.
constexpr UINT MenuRefreshMessage = WM_APP + 2;

void shellNotifyIcon(DWORD message, const NOTIFYICONDATAW& data) {
    NOTIFYICONDATAW copy = data;
    // What the shell answers changes nothing: an icon it lost comes back when the
    // taskbar is made anew.
    Shell_NotifyIconW(message, &copy);
}

}  // namespace

NotifyIconTrayView::NotifyIconTrayView(TfrmSlv17k30Main& main) : NotifyIconTrayView(main, shellNotifyIcon) {}

NotifyIconTrayView::NotifyIconTrayView(TfrmSlv17k30Main& main, ShellNotify shell)
    : main_(main),
      shell_(std::move(shell)),
      menu_(main),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      window_(CallbackWindowKind, {0, 0, 0, 0},
              [this](UINT message, WPARAM wParam, LPARAM lParam) { return handle(message, wParam, lParam); }) {
    // A program started with more rights than Explorer's would not hear it otherwise.
    if (taskbarCreated_ != 0) ChangeWindowMessageFilterEx(callbackWindow(), taskbarCreated_, MSGFLT_ALLOW, nullptr);
    main_.notifier.setListener([this] { queueMenuRefresh(); });
}

NotifyIconTrayView::~NotifyIconTrayView() {
    main_.notifier.setListener({});
    if (present_) notifyShell(NIM_DELETE);
}

void NotifyIconTrayView::add(platform::TrayImage image, const std::string& toolTip) {
    image_ = image;
    toolTip_ = toWide(toolTip);
    present_ = true;
    notifyShell(NIM_ADD);
}

void NotifyIconTrayView::modify(platform::TrayImage image, const std::string& toolTip) {
    image_ = image;
    toolTip_ = toWide(toolTip);
    if (present_) notifyShell(NIM_MODIFY);
}

void NotifyIconTrayView::remove() {
    if (!present_) return;
    present_ = false;
    notifyShell(NIM_DELETE);
}

void NotifyIconTrayView::notifyShell(DWORD message) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = callbackWindow();
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = CallbackMessage;
    data.hIcon = images_.icon(image_);
    // The core has cut the tool tip already; the field's own limit is kept all the same.
    const std::size_t length = std::min(toolTip_.size(), std::size(data.szTip) - 1);
    std::copy_n(toolTip_.begin(), length, data.szTip);
    data.szTip[length] = L'\0';
    shell_(message, data);
}

void NotifyIconTrayView::popupMenu(Point at) {
    // A click that reaches the icon while its menu is open opens no second one.
    if (menuOpen_) return;
    refreshMenu();
    // The menu closes when the user clicks elsewhere only if its window is the
    // foreground window while it is open, and the message posted after it closes
    // lets the next one open at the first click.
    SetForegroundWindow(callbackWindow());
    menuOpen_ = true;
    MenuItem* chosen = menu_.track(callbackWindow(), at);
    menuOpen_ = false;
    PostMessageW(callbackWindow(), WM_NULL, 0, 0);
    if (menuRefreshQueued_) refreshMenu();
    if (chosen) chosen->userClick();
}

void NotifyIconTrayView::refreshMenu() {
    menuRefreshQueued_ = false;
    menu_.rebuild();
}

void NotifyIconTrayView::queueMenuRefresh() {
    if (menuRefreshQueued_) return;
    menuRefreshQueued_ = PostMessageW(callbackWindow(), MenuRefreshMessage, 0, 0) != 0;
}

void NotifyIconTrayView::iconMessage(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP:
        main_.TrayIcon1.leftButtonUp();
        break;
    case WM_LBUTTONDBLCLK:
        main_.TrayIcon1.leftButtonDoubleClick();
        break;
    case WM_RBUTTONUP: {
        POINT cursor{0, 0};
        GetCursorPos(&cursor);
        main_.TrayIcon1.rightButtonUp({static_cast<int>(cursor.x), static_cast<int>(cursor.y)});
        break;
    }
    default:
        // Presses, moves and the middle button mean nothing here.
        break;
    }
}

void NotifyIconTrayView::sessionEnds() {
    if (sessionEndSeen_) return;
    sessionEndSeen_ = true;
    main_.queryEndSession();
}

std::optional<LRESULT> NotifyIconTrayView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // Explorer started anew (or the screen's DPI changed): the new taskbar knows
        // no icon, and wants it at the size of now.
        images_.reload();
        if (present_) notifyShell(NIM_ADD);
        return 0;
    }
    switch (message) {
    case CallbackMessage:
        iconMessage(lParam);
        return 0;
    case MenuRefreshMessage:
        // Rebuilt once the open menu has closed.
        if (menuRefreshQueued_ && !menuOpen_) refreshMenu();
        return 0;
    case WM_QUERYENDSESSION:
        // The session may end; this program ends with it, saving nothing.
        sessionEnds();
        return TRUE;
    case WM_ENDSESSION:
        // Sent without the question when the session is ended by force.
        if (wParam) sessionEnds();
        return 0;
    default:
        return std::nullopt;
    }
}

}  // namespace solvane::windows
