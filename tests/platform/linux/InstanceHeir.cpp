// The new process of a restart, for the instance-control test: announces itself, which
// takes over a socket handed to it, and ends when asked to quit or, when no request
// comes, after 20 seconds; it withdraws as it ends. Usage: instance_heir <report>;
// the report file gets "quit" when the request came.
#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include "platform/linux/LocalSocketInstanceControl.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) return 2;
    solvane::linuxos::LocalSocketInstanceControl instance;
    bool quit = false;
    instance.announce([&quit] {
        quit = true;
        QCoreApplication::quit();
    });
    QTimer::singleShot(20'000, &application, &QCoreApplication::quit);
    QCoreApplication::exec();
    instance.withdraw();
    QFile report(QFile::decodeName(argv[1]));
    if (report.open(QIODevice::WriteOnly)) report.write(quit ? "quit" : "timeout");
    return 0;
}
