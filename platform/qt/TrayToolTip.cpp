#include "platform/qt/TrayToolTip.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QVariant>

namespace solvane::qt {

bool statusNotifierHostPresent() {
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(watcher)) return false;
    QDBusInterface interface(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return interface.property("IsStatusNotifierHostRegistered").toBool();
}

QString trayToolTip(const QString& plainText, bool hostRendersMarkup) {
    if (!hostRendersMarkup || plainText.isEmpty()) return plainText;
    // Escaped inside a paragraph, the text is certain to be read as markup and to
    // show literally, on one line.
    return QStringLiteral("<p style=\"white-space:pre\">") + plainText.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace solvane::qt
