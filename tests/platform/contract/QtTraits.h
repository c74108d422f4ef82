#pragma once
#include <cstdint>
#include <functional>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "platform/qt/QtEventLoop.h"
#include "platform/qt/QtTimerService.h"

// How the timer and event-loop suites drive the Qt services: real time, measured on
// a monotonic clock. The waits block in the event loop rather than spin, so that a
// busy machine does not starve the timers under test.
namespace solvane::contract {

struct QtTimerTraits {
    qt::QtEventLoop events;
    qt::QtTimerService service;
    QElapsedTimer clock;

    QtTimerTraits() { clock.start(); }
    ~QtTimerTraits() {
        // Leaves no posted action or due tick behind for the next test.
        QCoreApplication::processEvents();
    }

    platform::TimerService& timers() { return service; }
    platform::EventLoop& loop() { return events; }
    std::int64_t nowMs() const { return clock.elapsed(); }

    bool runUntil(const std::function<bool()>& condition, int limitMs) {
        // The single shot makes sure that a wait for more events ends by the limit.
        QTimer limit;
        limit.setSingleShot(true);
        limit.start(limitMs);
        const QDeadlineTimer deadline(limitMs);
        while (!condition()) {
            if (deadline.hasExpired()) return condition();
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return true;
    }

    // Runs the loop; true when a quit ended it, false when the rescue did at the limit.
    bool runLoop(int limitMs) {
        bool rescued = false;
        QTimer rescue;
        rescue.setSingleShot(true);
        QObject::connect(&rescue, &QTimer::timeout, [&rescued] {
            rescued = true;
            QCoreApplication::exit(0);
        });
        rescue.start(limitMs);
        events.run();
        return !rescued;
    }
};

}  // namespace solvane::contract
