#include "platform/qt/TrayToolTip.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariant>

namespace solvane::qt {

bool statusNotifierHostPresent() { return statusNotifierHostPresent(QDBusConnection::sessionBus()); }

bool statusNotifierHostPresent(const QDBusConnection& bus) {
    if (!bus.isConnected()) return false;
    // One call answers both questions: a watcher that is not running answers with an
    // error, and it is not started for the question.
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.kde.StatusNotifierWatcher") << QStringLiteral("IsStatusNotifierHostRegistered");
    get.setAutoStartService(false);
    const QDBusMessage reply = bus.call(get);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) return false;
    return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool();
}

QString trayToolTip(const QString& plainText, bool hostRendersMarkup) {
    if (!hostRendersMarkup || plainText.isEmpty()) return plainText;
    // Escaped inside a paragraph, the text is certain to be read as markup and to
    // show literally, on one line.
    return QStringLiteral("<p style=\"white-space:pre\">") + plainText.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace solvane::qt
