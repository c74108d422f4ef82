#pragma once
// Helper programs that tests start beside them: a private session bus, an X server.
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace solvane::testing {

// A child process that is ended with the object.
struct ChildProcess : QProcess {
    ~ChildProcess() override {
        kill();
        waitForFinished();
    }
};

// Starts a program that prints one line once it is ready (an address, a display number);
// returns that line, or nothing when the program is missing or says nothing in time.
inline QString startAndReadLine(QProcess& process, const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) return {};
    process.start(path, arguments);
    if (!process.waitForStarted(5000)) return {};
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(10000)) return {};
    }
    return QString::fromUtf8(process.readLine()).trimmed();
}

// A session bus of the test's own: "dbus-daemon --session" until the object goes.
// The address is empty when no bus could be started.
struct PrivateSessionBus {
    PrivateSessionBus()
        : address(startAndReadLine(
              daemon, QStringLiteral("dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")})) {}

    ChildProcess daemon;
    const QString address;
};

}  // namespace solvane::testing
