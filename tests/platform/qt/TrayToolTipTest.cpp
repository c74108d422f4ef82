#include "platform/qt/TrayToolTip.h"

#include <gtest/gtest.h>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QTextDocument>
#include <QThread>

#include <atomic>
#include <string>

#include "support/ChildProcess.h"

namespace solvane::qt {
namespace {

class TrayToolTipText : public ::testing::TestWithParam<QString> {};

TEST_P(TrayToolTipText, ShowsLiterallyWhereTheHostReadsMarkup) {
    const QString tip = trayToolTip(GetParam(), true);
    ASSERT_TRUE(Qt::mightBeRichText(tip));
    QTextDocument document;
    document.setHtml(tip);
    EXPECT_EQ(document.toPlainText(), GetParam());
}

TEST_P(TrayToolTipText, StaysAsItIsForAPlainTextHost) { EXPECT_EQ(trayToolTip(GetParam(), false), GetParam()); }

INSTANTIATE_TEST_SUITE_P(Tips, TrayToolTipText,
                         ::testing::Values(QString("Left-Click: Stop / Right-Click: Menu"),
                                           QString("<b>bold</b> & <i>"), QString("a  &amp;  b"),
                                           QString("Links-Klick: Stopp")),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             return "Tip" + std::to_string(info.index);
                         });

TEST(TrayToolTip, EmptyStaysEmpty) { EXPECT_TRUE(trayToolTip(QString(), true).isEmpty()); }

// The StatusNotifier watcher of a desktop, answering the question of a registered host
// as the watchers of KDE and of the AppIndicator extensions do: as a D-Bus property.
// It answers from a thread of its own, because the question blocks the thread that asks.
class FakeStatusNotifierWatcher : public QDBusVirtualObject {
public:
    std::atomic<bool> hostRegistered{false};

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QList<QVariant> arguments = message.arguments();
        if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties") &&
            message.member() == QLatin1String("Get") && arguments.size() == 2 &&
            arguments[0].toString() == QLatin1String("org.kde.StatusNotifierWatcher") &&
            arguments[1].toString() == QLatin1String("IsStatusNotifierHostRegistered")) {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(hostRegistered.load()))));
        } else {
            connection.send(message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty"),
                                                     QStringLiteral("no such property")));
        }
        return true;
    }
};

TEST(TrayToolTip, TheHostIsAskedOfTheStatusNotifierWatcher) {
    testing::PrivateSessionBus bus;
    if (bus.address.isEmpty()) GTEST_SKIP() << "dbus-daemon is not available";
    QDBusConnection asking = QDBusConnection::connectToBus(bus.address, QStringLiteral("tool-tip-asking"));
    EXPECT_FALSE(statusNotifierHostPresent(asking)) << "no watcher on the bus";

    QThread thread;
    thread.start();
    FakeStatusNotifierWatcher watcher;
    watcher.moveToThread(&thread);
    {
        QDBusConnection serving = QDBusConnection::connectToBus(bus.address, QStringLiteral("tool-tip-watcher"));
        EXPECT_TRUE(serving.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher));
        EXPECT_TRUE(serving.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    }
    EXPECT_FALSE(statusNotifierHostPresent(asking)) << "a watcher without a host";
    watcher.hostRegistered = true;
    EXPECT_TRUE(statusNotifierHostPresent(asking)) << "a watcher with a host";

    QDBusConnection::disconnectFromBus(QStringLiteral("tool-tip-watcher"));
    QDBusConnection::disconnectFromBus(QStringLiteral("tool-tip-asking"));
    thread.quit();
    thread.wait();
}

}  // namespace
}  // namespace solvane::qt
