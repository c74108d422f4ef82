#include "platform/qt/QtEventLoop.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <vector>

namespace solvane::qt {
namespace {

// Ends a loop that failed to end by itself, so that a fault fails the test instead of hanging it.
struct Rescue {
    bool needed = false;
    QTimer timer;
    Rescue() {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            needed = true;
            QCoreApplication::exit(0);
        });
        timer.start(5000);
    }
};

TEST(QtEventLoop, QuitBeforeRunReturnsAtOnceAndLeavesOtherLoopsAlone) {
    QtEventLoop loop;
    Rescue rescue;
    loop.quit();
    // A modal loop opened meanwhile (a message box, a chooser) must not end at once.
    QEventLoop modal;
    bool modalRanItsCourse = false;
    QTimer::singleShot(20, [&] {
        modalRanItsCourse = true;
        modal.quit();
    });
    modal.exec();
    EXPECT_TRUE(modalRanItsCourse);
    loop.run();
    EXPECT_FALSE(rescue.needed);
}

TEST(QtEventLoop, QuitFromAPostedActionEndsTheRunAndTheNextRunWaitsAgain) {
    QtEventLoop loop;
    std::vector<int> order;
    loop.post([&] { order.push_back(1); });
    loop.post([&] {
        order.push_back(2);
        loop.quit();
    });
    {
        Rescue rescue;
        loop.run();
        EXPECT_FALSE(rescue.needed);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2}));

    // The earlier quit is used up: this run lasts until its own quit.
    loop.post([&] {
        order.push_back(3);
        loop.post([&] {
            order.push_back(4);
            loop.quit();
        });
    });
    Rescue rescue;
    loop.run();
    EXPECT_FALSE(rescue.needed);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
}

TEST(QtEventLoop, ProcessPendingEventsRunsPostedActions) {
    QtEventLoop loop;
    int runs = 0;
    loop.post([&] { ++runs; });
    EXPECT_EQ(runs, 0);
    loop.processPendingEvents();
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace solvane::qt
