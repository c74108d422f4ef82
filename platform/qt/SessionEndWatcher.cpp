#include "platform/qt/SessionEndWatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <array>
#include <cerrno>

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace solvane::qt {
namespace {

constexpr std::array WatchedSignals{SIGTERM, SIGHUP};

// The write end of the self-pipe, for the signal handler.
volatile sig_atomic_t signalPipeWriteEnd = -1;
struct sigaction previousActions[WatchedSignals.size()];

void onSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    if (signalPipeWriteEnd >= 0) {
        [[maybe_unused]] const auto written = ::write(signalPipeWriteEnd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

SessionEndWatcher::SessionEndWatcher(std::function<void()> onSessionEnd) : onSessionEnd_(std::move(onSessionEnd)) {
    // The program itself never asks for a Quit event (it ends its loop with exit()),
    // so one that reaches the application comes from the session manager.
    if (QCoreApplication* application = QCoreApplication::instance()) application->installEventFilter(this);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pipe_) != 0) {
        pipe_[0] = pipe_[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readSignal(); });
    signalPipeWriteEnd = pipe_[1];

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < WatchedSignals.size(); ++i) sigaction(WatchedSignals[i], &action, &previousActions[i]);
}

SessionEndWatcher::~SessionEndWatcher() {
    if (QCoreApplication* application = QCoreApplication::instance()) application->removeEventFilter(this);
    if (pipe_[0] < 0) return;
    for (std::size_t i = 0; i < WatchedSignals.size(); ++i) sigaction(WatchedSignals[i], &previousActions[i], nullptr);
    signalPipeWriteEnd = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

bool SessionEndWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Quit || watched != QCoreApplication::instance()) return false;
    // Taken here, so that Qt does not close the windows and leave the loop on its own.
    sessionEnds();
    return true;
}

void SessionEndWatcher::readSignal() {
    char buffer[16];
    while (::read(pipe_[0], buffer, sizeof buffer) > 0) {
    }
    sessionEnds();
}

void SessionEndWatcher::sessionEnds() {
    if (ended_) return;
    ended_ = true;
    onSessionEnd_();
}

}  // namespace solvane::qt
