#include "platform/qt/SessionEndWatcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <gtest/gtest.h>

#include <signal.h>

namespace solvane::qt {
namespace {

// Handles events until the condition holds or a generous limit passes.
bool processUntil(const std::function<bool()>& condition) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition() && elapsed.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return condition();
}

TEST(SessionEndWatcher, SignalEndsTheSessionOnceOnTheUiThread) {
    int ends = 0;
    {
        SessionEndWatcher watcher([&] { ++ends; });
        ::raise(SIGTERM);
        EXPECT_EQ(ends, 0);  // not from inside the signal handler
        EXPECT_TRUE(processUntil([&] { return ends > 0; }));
        ::raise(SIGHUP);
        QCoreApplication::processEvents();
        EXPECT_EQ(ends, 1);
    }
    struct sigaction current {};
    sigaction(SIGTERM, nullptr, &current);
    EXPECT_EQ(current.sa_handler, SIG_DFL);
}

// Qt's X session manager passes the session manager's Die to the application as a
// Quit event; that, and not the request to save, is the end of the session.
TEST(SessionEndWatcher, TheSessionManagersDieEndsTheSession) {
    int ends = 0;
    SessionEndWatcher watcher([&] { ++ends; });
    QEvent die(QEvent::Quit);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &die);
    EXPECT_EQ(ends, 1);
    QEvent again(QEvent::Quit);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &again);
    EXPECT_EQ(ends, 1);
}

TEST(SessionEndWatcher, HangUpEndsTheSession) {
    int ends = 0;
    SessionEndWatcher watcher([&] { ++ends; });
    ::raise(SIGHUP);
    EXPECT_TRUE(processUntil([&] { return ends == 1; }));
}

}  // namespace
}  // namespace solvane::qt
