#include "platform/qt/SessionEndWatcher.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <chrono>
#include <cstdlib>
#include <thread>

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
        SessionEndWatcher watcher([&] { ++ends; }, std::chrono::minutes(1));
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
    sigaction(SIGALRM, nullptr, &current);
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

// The end of a session must not wait for a UI thread that is busy in a long piece of
// work: the process ends with the session's exit code all the same.
TEST(SessionEndWatcherDeathTest, ASignalEndsTheProgramWhileTheUiThreadIsBusy) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SessionEndWatcher watcher([] {});
            ::raise(SIGTERM);
            // Busy, without processing events, far longer than the signal may take to act.
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (std::chrono::steady_clock::now() < until) {}
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(1), "");
}

// When the program leaves by its own way out in time, the deadline goes with the watcher.
TEST(SessionEndWatcherDeathTest, AProgramThatEndsInTimeKeepsItsOwnExitCode) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            {
                SessionEndWatcher watcher([] {}, std::chrono::milliseconds(300));
                ::raise(SIGTERM);
                QCoreApplication::processEvents();
            }
            std::this_thread::sleep_for(std::chrono::seconds(1));
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(SessionEndWatcher, HangUpEndsTheSession) {
    int ends = 0;
    SessionEndWatcher watcher([&] { ++ends; }, std::chrono::minutes(1));
    ::raise(SIGHUP);
    EXPECT_TRUE(processUntil([&] { return ends == 1; }));
}

}  // namespace
}  // namespace solvane::qt
