#pragma once
#include <chrono>
#include <functional>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

namespace solvane::linuxos::testing {

// The process's application object, created at the first call and kept to the end.
inline QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() ? QCoreApplication::instance() : new QCoreApplication(argc, argv);
    return *app;
}

// Handles events until the condition holds or the time is up; the condition's value.
inline bool processEventsUntil(const std::function<bool()>& condition,
                               std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    application();
    const QDeadlineTimer deadline(limit);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

// Handles whatever is pending now, a few rounds, without waiting for more.
inline void processPendingEvents() {
    application();
    for (int round = 0; round < 5; ++round) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace solvane::linuxos::testing
