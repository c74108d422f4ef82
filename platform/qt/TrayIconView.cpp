#include "platform/qt/TrayIconView.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

#include "app/TfrmSlv17k30Main.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/TrayIcons.h"
#include "platform/qt/TrayToolTip.h"

namespace solvane::qt {

TrayIconView::TrayIconView(TfrmSlv17k30Main& main)
    : main_(main),
      images_{trayIcon(platform::TrayImage::None), trayIcon(platform::TrayImage::Running),
              trayIcon(platform::TrayImage::Stopped)},
      sessionEnd_([&main] { main.queryEndSession(); }) {
    // No context menu on the icon itself: the main window opens its menu on a right click.
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        hostActivated(reason, QGuiApplication::mouseButtons());
    });
    buildMenu();
    main_.notifier.setListener([this] { queueMenuRefresh(); });
}

TrayIconView::~TrayIconView() {
    if (awaitedReleases_) qApp->removeEventFilter(this);
    main_.notifier.setListener({});
    icon_.hide();
}

void TrayIconView::buildMenu() {
    menu_.setObjectName(QStringLiteral("PopupMenu1"));
    menu_.setStyle(&menuStyle_);
    const std::pair<MenuItem*, const char*> entries[] = {
        {&main_.StartStopp1, "StartStopp1"},
        {&main_.N1, "N1"},
        {&main_.Affirmationen1, "Affirmationen1"},
        {&main_.FarbeSchrift1, "FarbeSchrift1"},
        {&main_.Anzeige1, "Anzeige1"},
        {&main_.N3, "N3"},
        {&main_.Hilfe1, "Hilfe1"},
        {&main_.OnlineTutorials1, "OnlineTutorials1"},
        {&main_.About1, "About1"},
        {&main_.N2, "N2"},
        {&main_.Verstecken1, "Verstecken1"},
        {&main_.Beenden1, "Beenden1"},
    };
    for (const auto& [item, name] : entries) {
        QAction* action = menu_.addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [item = item] { item->userClick(); });
        items_.emplace_back(item, action);
    }
    refreshMenu();
}

void TrayIconView::refreshMenu() {
    menuRefreshQueued_ = false;
    menu_.setLayoutDirection(main_.rightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    for (const auto& [item, action] : items_) {
        // Qt's menu texts follow the caption convention: "&" marks the access key, "&&" is one "&".
        action->setSeparator(item->isSeparator());
        action->setText(item->isSeparator() ? QString() : toQString(item->caption()));
        action->setEnabled(item->enabled());
        action->setVisible(item->visible());
    }
}

void TrayIconView::queueMenuRefresh() {
    if (menuRefreshQueued_) return;
    menuRefreshQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (menuRefreshQueued_) refreshMenu();
        },
        Qt::QueuedConnection);
}

void TrayIconView::apply(platform::TrayImage image, const std::string& toolTip) {
    icon_.setIcon(images_[static_cast<std::size_t>(image)]);
    // The icon enters the tray with no tool tip yet, so asking the session bus about the
    // tray host waits until there is text to show: it then no longer delays the icon.
    if (toolTip.empty()) {
        icon_.setToolTip(QString());
        return;
    }
    if (!hostRendersMarkup_.has_value()) hostRendersMarkup_ = !statusNotifierHostPresent();
    icon_.setToolTip(trayToolTip(toQString(toolTip), *hostRendersMarkup_));
}

void TrayIconView::add(platform::TrayImage image, const std::string& toolTip) {
    apply(image, toolTip);
    // Without a tray host the icon waits; Qt embeds it when a host appears.
    icon_.show();
}

void TrayIconView::modify(platform::TrayImage image, const std::string& toolTip) { apply(image, toolTip); }

void TrayIconView::remove() { icon_.hide(); }

void TrayIconView::popupMenu(Point at) {
    refreshMenu();
    menu_.popup(QPoint(at.x, at.y));
}

void TrayIconView::hostActivated(QSystemTrayIcon::ActivationReason reason, Qt::MouseButtons heldButtons) {
    Qt::MouseButton button = Qt::NoButton;
    if (reason == QSystemTrayIcon::Trigger) button = Qt::LeftButton;
    if (reason == QSystemTrayIcon::Context) button = Qt::RightButton;
    if (reason == QSystemTrayIcon::DoubleClick) {
        // The second press of a double click: the double click now, and the click
        // when the button comes up, as the shell reports it.
        main_.TrayIcon1.leftButtonDoubleClick();
        button = Qt::LeftButton;
    }
    if (button == Qt::NoButton) return;
    if (heldButtons.testFlag(button)) {
        if (!awaitedReleases_) qApp->installEventFilter(this);
        awaitedReleases_ |= button;
        return;
    }
    if (button == Qt::LeftButton) leftButtonUp();
    if (button == Qt::RightButton) rightButtonUp();
}

bool TrayIconView::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (!awaitedReleases_.testFlag(button)) return false;
    awaitedReleases_ &= ~Qt::MouseButtons(button);
    if (!awaitedReleases_) qApp->removeEventFilter(this);
    if (button == Qt::LeftButton) leftButtonUp();
    if (button == Qt::RightButton) rightButtonUp();
    return false;
}

void TrayIconView::leftButtonUp() { main_.TrayIcon1.leftButtonUp(); }

void TrayIconView::rightButtonUp() {
    const QPoint cursor = QCursor::pos();
    main_.TrayIcon1.rightButtonUp(Point{cursor.x(), cursor.y()});
}

}  // namespace solvane::qt
