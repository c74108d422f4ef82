#pragma once
#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/WindowSystem.h"
#include "platform/windows/TrayIconImages.h"
#include "platform/windows/TrayMenu.h"
#include "platform/windows/Win32Window.h"

namespace solvane::windows {

// The main window's notification-area icon and its tray menu, through
// Shell_NotifyIconW with the classic notifications: the shell reports the mouse
// message itself to a hidden window of the view's own. That window is top-level (a
// message-only window would miss the broadcasts), so it also hears that Explorer has
// started anew, and that the session ends.
//   Left button up        -> TrayIcon1.leftButtonUp()
//   Left double click     -> TrayIcon1.leftButtonDoubleClick()
//   Right button up       -> TrayIcon1.rightButtonUp(the cursor's position)
// A double click thus reports a click, the double click and a click again.
class NotifyIconTrayView final : public platform::TrayView {
public:
    // How the view talks to the shell: Shell_NotifyIconW, or a stand-in for tests.
    using ShellNotify = std::function<void(DWORD message, const NOTIFYICONDATAW& data)>;

    explicit NotifyIconTrayView(TfrmSlv17k30Main& main);
    NotifyIconTrayView(TfrmSlv17k30Main& main, ShellNotify shell);
    ~NotifyIconTrayView() override;

    void add(platform::TrayImage image, const std::string& toolTip) override;
    void modify(platform::TrayImage image, const std::string& toolTip) override;
    void remove() override;
    void popupMenu(Point at) override;
    void refreshMenu() override;

    // The hidden window that the shell's notifications and the broadcasts reach.
    HWND callbackWindow() const { return window_.handle(); }
    const TrayMenu& menu() const { return menu_; }
    // The message that carries the shell's notifications to the callback window.
    static constexpr UINT CallbackMessage = WM_APP + 1;

private:
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
    void notifyShell(DWORD message);
    void iconMessage(LPARAM mouseMessage);
    void sessionEnds();
    void queueMenuRefresh();

    TfrmSlv17k30Main& main_;
    ShellNotify shell_;
    TrayIconImages images_;
    TrayMenu menu_;
    // Broadcast to every top-level window when the taskbar is made anew.
    UINT taskbarCreated_;
    // What the icon shows, and whether it is in the notification area.
    platform::TrayImage image_ = platform::TrayImage::None;
    std::wstring toolTip_;
    bool present_ = false;
    bool menuRefreshQueued_ = false;
    bool menuOpen_ = false;
    bool sessionEndSeen_ = false;
    Win32Window window_;
};

}  // namespace solvane::windows
