// The solvane executable on Linux: sets up the Qt application, says plainly when the X
// display cannot be reached, and hands the Linux services to the program's entry. A
// start that creates no window runs without a display.
#include <QApplication>
#include <QByteArray>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramEntry.h"
#include "platform/linux/LinuxServices.h"

#include <X11/Xlib.h>

namespace {

// The exit code when the program cannot reach a display.
constexpr int NoDisplayExitCode = 2;

// Wayland gives no top-most or positioned windows; prefer X11 (XWayland) where it is there.
void preferX11OnWayland() {
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsSet("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

bool willUseX11() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty()) return !qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    return platform.startsWith("xcb");
}

// Whether the X display can be opened; says why not when it cannot.
bool displayReachable() {
    if (!willUseX11()) return true;
    Display* display = XOpenDisplay(nullptr);
    if (display) {
        XCloseDisplay(display);
        return true;
    }
    const QByteArray name = qgetenv("DISPLAY");
    if (name.isEmpty()) {
        std::fprintf(stderr, "solvane: no X display: DISPLAY is not set.\n");
    } else {
        std::fprintf(stderr, "solvane: cannot open the X display \"%s\".\n", name.constData());
    }
    return false;
}

// While the application starts, a fatal Qt error (no usable platform) ends the process
// with a message instead of a crash.
// Qt's warnings before a fatal error usually say what is missing; they are shown
// only when the start fails.
QString startupWarnings;

void startupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        startupWarnings += QStringLiteral("solvane: ") + message + QLatin1Char('\n');
        return;
    }
    // Qt gives up when it cannot open the display. Only then is the display tried on its
    // own, to say why in a line; trying it before every start cost a connection of its own.
    if (willUseX11() && !displayReachable()) std::_Exit(NoDisplayExitCode);
    std::fprintf(stderr, "%ssolvane: %s\n", startupWarnings.toLocal8Bit().constData(),
                 message.toLocal8Bit().constData());
    std::_Exit(NoDisplayExitCode);
}

// The program writes nothing to the console while it runs: Qt's own notes and
// warnings are dropped unless SOLVANE_DEBUG is set. A fatal error still says why.
void quietMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "solvane: %s\n", message.toLocal8Bit().constData());
        std::abort();
    }
}

// The words as the system passed them, before Qt has taken out options of its own.
solvane::CommandLine wordsAsPassed(int argc, char* argv[]) {
    if (argc < 2) return {};
    return solvane::CommandLine::fromArguments(std::vector<std::string>(argv + 1, argv + argc));
}

std::vector<std::string> programArguments() {
    QStringList arguments = QCoreApplication::arguments();
    std::vector<std::string> words;
    for (qsizetype i = 1; i < arguments.size(); ++i) words.push_back(arguments[i].toStdString());
    return words;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace solvane;
    // "shutdown" ends the running instances from a terminal, an ssh session or a log-out
    // script as well: it creates no window, so it neither needs nor touches a display.
    const bool needsDisplay = createsWindows(wordsAsPassed(argc, argv));
    preferX11OnWayland();

    QCoreApplication::setOrganizationName(QStringLiteral("Marwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Solvane"));
    const QtMessageHandler previousHandler = qInstallMessageHandler(startupMessageHandler);
    const std::unique_ptr<QCoreApplication> application =
        needsDisplay ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    qInstallMessageHandler(qEnvironmentVariableIsSet("SOLVANE_DEBUG") ? previousHandler : quietMessageHandler);
    if (needsDisplay) QApplication::setQuitOnLastWindowClosed(false);

    linuxos::LinuxServices services;
    return runProgram(services.platform(), CommandLine::fromArguments(programArguments()));
}
