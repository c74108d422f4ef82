#include "platform/linux/LinuxScreenSaver.h"

#include <gtest/gtest.h>

#include <atomic>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include "EventLoopHelpers.h"
#include "TempXdgEnvironment.h"
#include "support/ChildProcess.h"

// Last: Xlib defines macros (None, Bool, Type...) that break Qt headers after it.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace solvane::linuxos {
namespace {

// A screen-saver service on a private bus. It answers GetActive from a thread of its
// own, because the query blocks the thread that asks.
class FakeScreenSaverService : public QDBusVirtualObject {
public:
    enum class Answer { Inactive, Active, Silent, WrongType };
    std::atomic<Answer> answer{Answer::Inactive};

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("GetActive")) return false;
        switch (answer.load()) {
        case Answer::Inactive:
            connection.send(message.createReply(QVariant(false)));
            break;
        case Answer::Active:
            connection.send(message.createReply(QVariant(true)));
            break;
        case Answer::WrongType:
            connection.send(message.createReply(QVariant(1)));
            break;
        case Answer::Silent:
            break;
        }
        return true;
    }
};

class LinuxScreenSaverBusTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::application();
        xdg.environment().set("DISPLAY", QString());  // no X answer behind the bus
        if (address.isEmpty()) GTEST_SKIP() << "dbus-daemon is not available";
        thread.start();
    }
    void TearDown() override {
        for (const QString& name : connections) QDBusConnection::disconnectFromBus(name);
        thread.quit();
        thread.wait();
    }

    // Puts a service on the bus under the name and path, with its own connection.
    FakeScreenSaverService& provide(const QString& name, const QString& path) {
        const QString connectionName = QStringLiteral("service-") + name;
        QDBusConnection connection = QDBusConnection::connectToBus(address, connectionName);
        connections << connectionName;
        services.push_back(std::make_unique<FakeScreenSaverService>());
        services.back()->moveToThread(&thread);
        EXPECT_TRUE(connection.registerVirtualObject(path, services.back().get()));
        EXPECT_TRUE(connection.registerService(name));
        return *services.back();
    }

    LinuxScreenSaver saver() {
        connections << QStringLiteral("asking");
        return LinuxScreenSaver(QDBusConnection::connectToBus(address, QStringLiteral("asking")), 200);
    }

    // The asking side hears of services coming and going in its event loop: lets it
    // run until the answer is the expected one, for at most five seconds.
    static bool answersInTime(LinuxScreenSaver& asking, bool expected) {
        QDeadlineTimer deadline(5000);
        while (asking.isRunning() != expected) {
            if (deadline.hasExpired()) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return true;
    }

    testing::TempXdgEnvironment xdg;
    solvane::testing::PrivateSessionBus bus;
    const QString& address = bus.address;
    QThread thread;
    QStringList connections;
    std::vector<std::unique_ptr<FakeScreenSaverService>> services;
};

TEST_F(LinuxScreenSaverBusTest, NoServiceOnTheBusMeansNoScreenSaver) { EXPECT_FALSE(saver().isRunning()); }

TEST_F(LinuxScreenSaverBusTest, TheFreedesktopServiceIsAskedFirstThenGnomes) {
    LinuxScreenSaver asking = saver();
    FakeScreenSaverService& gnome =
        provide(QStringLiteral("org.gnome.ScreenSaver"), QStringLiteral("/org/gnome/ScreenSaver"));
    gnome.answer = FakeScreenSaverService::Answer::Active;
    EXPECT_TRUE(asking.isRunning()) << "GNOME's answer counts when it is the only one";
    gnome.answer = FakeScreenSaverService::Answer::Inactive;
    EXPECT_FALSE(asking.isRunning());

    // The freedesktop.org service was found missing above; the bus reports its coming.
    FakeScreenSaverService& freedesktop =
        provide(QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"));
    gnome.answer = FakeScreenSaverService::Answer::Active;
    freedesktop.answer = FakeScreenSaverService::Answer::Inactive;
    EXPECT_TRUE(answersInTime(asking, false)) << "the freedesktop.org answer comes first";
    freedesktop.answer = FakeScreenSaverService::Answer::Active;
    gnome.answer = FakeScreenSaverService::Answer::Inactive;
    EXPECT_TRUE(asking.isRunning());

    // ...and its going: GNOME's answer counts again.
    QDBusConnection(QStringLiteral("service-org.freedesktop.ScreenSaver"))
        .unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
    EXPECT_TRUE(answersInTime(asking, false)) << "a service gone from the bus is not asked";
}

TEST_F(LinuxScreenSaverBusTest, ASilentOrStrangeServiceIsPassedOverWithinTheTimeout) {
    LinuxScreenSaver asking = saver();
    FakeScreenSaverService& freedesktop =
        provide(QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"));
    FakeScreenSaverService& gnome =
        provide(QStringLiteral("org.gnome.ScreenSaver"), QStringLiteral("/org/gnome/ScreenSaver"));
    gnome.answer = FakeScreenSaverService::Answer::Active;

    freedesktop.answer = FakeScreenSaverService::Answer::WrongType;
    EXPECT_TRUE(asking.isRunning());

    freedesktop.answer = FakeScreenSaverService::Answer::Silent;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(asking.isRunning());
    EXPECT_LT(clock.elapsed(), 5000) << "a silent service must not hold the caller for long";
}

TEST(LinuxScreenSaverX11Test, WithoutABusTheXServersScreenSaverStateCounts) {
    testing::TempXdgEnvironment xdg;
    solvane::testing::ChildProcess server;
    const QString display = solvane::testing::startAndReadLine(
        server, QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (display.isEmpty()) GTEST_SKIP() << "Xvfb is not available";
    xdg.environment().set("DISPLAY", QLatin1Char(':') + display);

    Display* control = XOpenDisplay(nullptr);
    ASSERT_NE(control, nullptr);
    LinuxScreenSaver saver(
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("no-bus")), 200);
    // After the first answer the state comes from the server's notices, which reach the
    // saver's own connection a moment after the server has done what `control` asked.
    const auto answersWithin = [&saver](bool expected) {
        const QDeadlineTimer deadline(2000);
        while (saver.isRunning() != expected) {
            if (deadline.hasExpired()) return false;
            QThread::msleep(1);
        }
        return true;
    };
    EXPECT_FALSE(saver.isRunning());
    for (int round = 0; round < 2; ++round) {
        XForceScreenSaver(control, ScreenSaverActive);
        XSync(control, False);
        EXPECT_TRUE(answersWithin(true)) << "round " << round;
        XForceScreenSaver(control, ScreenSaverReset);
        XSync(control, False);
        EXPECT_TRUE(answersWithin(false)) << "round " << round;
    }
    XCloseDisplay(control);
    QDBusConnection::disconnectFromBus(QStringLiteral("no-bus"));
}

}  // namespace
}  // namespace solvane::linuxos
