#include "platform/qt/SessionEndWatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <array>
#include <cerrno>

#include <signal.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

namespace solvane::qt {
namespace {

constexpr std::array WatchedSignals{SIGTERM, SIGHUP};
// The exit code of a session's end, as the program's own way out gives it.
constexpr int SessionEndExitCode = 1;

// The write end of the self-pipe, for the signal handler.
volatile sig_atomic_t signalPipeWriteEnd = -1;
struct sigaction previousActions[WatchedSignals.size()];

// The timer that ends the process when the signal has not ended it in time. It is set
// up before the handlers are installed and armed once, by the first signal.
timer_t deadlineTimer;
itimerspec deadlineDelay{};
volatile sig_atomic_t deadlineUnarmed = 0;
struct sigaction previousDeadlineAction;

void onSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    if (signalPipeWriteEnd >= 0) {
        [[maybe_unused]] const auto written = ::write(signalPipeWriteEnd, &byte, 1);
    }
    if (deadlineUnarmed) {
        deadlineUnarmed = 0;
        ::timer_settime(deadlineTimer, 0, &deadlineDelay, nullptr);
    }
    errno = savedErrno;
}

void onDeadline(int) { ::_exit(SessionEndExitCode); }

// Sets the deadline up without arming it; false when no timer can be had (the signals
// then act through the event loop alone).
bool prepareDeadline(std::chrono::milliseconds deadline) {
    sigevent event{};
    event.sigev_notify = SIGEV_SIGNAL;
    event.sigev_signo = SIGALRM;
    if (::timer_create(CLOCK_MONOTONIC, &event, &deadlineTimer) != 0) return false;
    deadlineDelay.it_value.tv_sec = static_cast<time_t>(deadline.count() / 1000);
    deadlineDelay.it_value.tv_nsec = static_cast<long>(deadline.count() % 1000 * 1'000'000);
    struct sigaction action {};
    action.sa_handler = onDeadline;
    sigemptyset(&action.sa_mask);
    sigaction(SIGALRM, &action, &previousDeadlineAction);
    deadlineUnarmed = 1;
    return true;
}

}  // namespace

SessionEndWatcher::SessionEndWatcher(std::function<void()> onSessionEnd, std::chrono::milliseconds deadline)
    : onSessionEnd_(std::move(onSessionEnd)) {
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
    deadlineReady_ = prepareDeadline(deadline);

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
    if (deadlineReady_) {
        deadlineUnarmed = 0;
        ::timer_delete(deadlineTimer);  // disarms it too
        sigaction(SIGALRM, &previousDeadlineAction, nullptr);
    }
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
    while (::read(pipe_[0], buffer, sizeof buffer) > 0) {}
    sessionEnds();
}

void SessionEndWatcher::sessionEnds() {
    if (ended_) return;
    ended_ = true;
    onSessionEnd_();
}

}  // namespace solvane::qt
