// The user-interface thread's event loop as the core drives it: posted actions,
// processing in the middle of a handler, sleeping, and a run that a quit ends.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Implementations.h"

namespace solvane::contract {
namespace {

constexpr int Interval = 30;
constexpr int Limit = 5000;

template <class Traits>
class EventLoopContract : public ::testing::Test {
protected:
    platform::EventLoop& loop() { return impl.loop(); }
    std::function<void()> note(const std::string& what) {
        return [this, what] { events.push_back(what); };
    }
    int count(const std::string& what) const {
        return static_cast<int>(std::count(events.begin(), events.end(), what));
    }
    // A timer that notes its ticks, and does more from its tick when asked.
    std::unique_ptr<platform::TimerHandle> ticking(std::function<void()> alsoOnTick = {}) {
        auto timer = impl.timers().createTimer([this, alsoOnTick] {
            events.push_back("tick");
            if (alsoOnTick) alsoOnTick();
        });
        timer->start(Interval);
        return timer;
    }

    Traits impl;
    std::vector<std::string> events;
};

TYPED_TEST_SUITE(EventLoopContract, TimerImplementations);

TYPED_TEST(EventLoopContract, PostedActionsWaitForTheNextProcessingAndRunInOrder) {
    this->loop().post(this->note("first"));
    this->loop().post(this->note("second"));
    EXPECT_TRUE(this->events.empty()) << "nothing runs inside post";
    this->loop().processPendingEvents();
    EXPECT_EQ(this->events, (std::vector<std::string>{"first", "second"}));
    this->loop().processPendingEvents();
    EXPECT_EQ(this->events.size(), 2u) << "each action runs once";
}

TYPED_TEST(EventLoopContract, SleepingHandlesNothingAndTheNextProcessingHandlesWhatCameMeanwhile) {
    auto timer = this->ticking();
    this->loop().post(this->note("posted"));
    this->loop().sleepMs(Interval + 10);
    EXPECT_TRUE(this->events.empty());
    this->loop().processPendingEvents();
    EXPECT_EQ(this->count("posted"), 1);
    EXPECT_EQ(this->count("tick"), 1);
}

TYPED_TEST(EventLoopContract, AnActionPostedWhileProcessingRunsNoLaterThanTheNextProcessing) {
    this->loop().post([this] {
        this->events.push_back("outer");
        this->loop().post(this->note("inner"));
    });
    this->loop().processPendingEvents();
    this->loop().processPendingEvents();
    EXPECT_EQ(this->events, (std::vector<std::string>{"outer", "inner"}));
}

TYPED_TEST(EventLoopContract, RunHandlesEventsUntilAQuitEndsIt) {
    auto timer = this->ticking([this] {
        if (this->count("tick") == 3) this->loop().quit();
    });
    EXPECT_TRUE(this->impl.runLoop(Limit)) << "the quit ended the run";
    EXPECT_EQ(this->count("tick"), 3) << "nothing is handled after the quit";
}

TYPED_TEST(EventLoopContract, AQuitFromProcessingInsideAHandlerEndsTheRunWhenTheHandlerReturns) {
    auto timer = this->ticking([this] {
        this->loop().post([this] { this->loop().quit(); });
        this->loop().processPendingEvents();
        this->events.push_back("handler done");
    });
    EXPECT_TRUE(this->impl.runLoop(Limit));
    EXPECT_EQ(this->events, (std::vector<std::string>{"tick", "handler done"}));
}

TYPED_TEST(EventLoopContract, AQuitBeforeTheRunEndsItAtOnce) {
    this->loop().post(this->note("posted"));
    this->loop().quit();
    EXPECT_TRUE(this->impl.runLoop(Limit));
    EXPECT_TRUE(this->events.empty()) << "the run handled nothing";
    this->loop().processPendingEvents();
    EXPECT_EQ(this->count("posted"), 1) << "what waited is still there";
}

TYPED_TEST(EventLoopContract, AQuitIsUsedUpByTheRunItEnds) {
    this->loop().post([this] { this->loop().quit(); });
    ASSERT_TRUE(this->impl.runLoop(Limit));
    // The next run lasts until its own quit.
    auto timer = this->ticking([this] {
        if (this->count("tick") == 2) this->loop().quit();
    });
    EXPECT_TRUE(this->impl.runLoop(Limit));
    EXPECT_EQ(this->count("tick"), 2);
}

}  // namespace
}  // namespace solvane::contract
