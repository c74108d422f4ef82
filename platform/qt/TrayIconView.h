#pragma once
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>
#include <array>
#include <optional>
#include <vector>

#include "platform/WindowSystem.h"
#include "platform/qt/MenuDirectionStyle.h"
#include "platform/qt/SessionEndWatcher.h"

namespace solvane {
class MenuItem;
}

namespace solvane::qt {

// The notification-area icon of the main window and its tray menu. Clicks on the
// icon go to TrayIcon1; the menu is opened by the core and its actions go to the
// main window's menu items. It also tells the main window when the session ends.
class TrayIconView : public QObject, public platform::TrayView {
public:
    explicit TrayIconView(TfrmSlv17k30Main& main);
    ~TrayIconView() override;

    void add(platform::TrayImage image, const std::string& toolTip) override;
    void modify(platform::TrayImage image, const std::string& toolTip) override;
    void remove() override;
    void popupMenu(Point at) override;
    void refreshMenu() override;

    QMenu& menu() { return menu_; }
    QSystemTrayIcon& icon() { return icon_; }

    // What the tray host reports, with the mouse buttons held at that moment. An
    // XEmbed tray reports a press, the main window wants the release: a report made
    // while its button is held waits for that button's release.
    void hostActivated(QSystemTrayIcon::ActivationReason reason, Qt::MouseButtons heldButtons);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void apply(platform::TrayImage image, const std::string& toolTip);
    void leftButtonUp();
    void rightButtonUp();
    void queueMenuRefresh();

    TfrmSlv17k30Main& main_;
    std::array<QIcon, 3> images_;
    QSystemTrayIcon icon_;
    MenuDirectionStyle menuStyle_;
    QMenu menu_;
    std::vector<std::pair<MenuItem*, QAction*>> items_;
    // Whether the tray host reads the tool tip as markup; asked for the first tool tip.
    std::optional<bool> hostRendersMarkup_;
    bool menuRefreshQueued_ = false;
    // Buttons whose release is awaited before their click is reported.
    Qt::MouseButtons awaitedReleases_;
    SessionEndWatcher sessionEnd_;
};

}  // namespace solvane::qt
