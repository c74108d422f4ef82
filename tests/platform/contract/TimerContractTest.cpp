// Timers, at the two levels where their rules live: the platform's timer handle
// (start counts from zero, stop ends the count) and the core's Timer over it (the
// enabling and interval rules that the display cycle relies on).
//
// On real time the tests never bound how late a tick may come. They compare the
// order of ticks with a witness timer instead, whose due time lies between where a
// correct and a faulty timer would be due: when the thread is held up, both are
// overdue and fire in the order of their due times, so the order still tells.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Implementations.h"
#include "app/controls/Timer.h"

namespace solvane::contract {
namespace {

// Short enough to keep the real-time suite quick, long enough that a few
// milliseconds of gap between two due times reliably order them.
constexpr int Interval = 60;
constexpr int Gap = 5;
constexpr int Limit = 5000;

template <class Traits>
class TimerContract : public ::testing::Test {
protected:
    // A platform timer that notes each of its ticks by name and time.
    std::unique_ptr<platform::TimerHandle> handle(const std::string& name) {
        return impl.timers().createTimer([this, name] { tick(name); });
    }
    void tick(const std::string& name) {
        ticks.push_back(name);
        tickTimes.push_back(impl.nowMs());
    }
    int count(const std::string& name) const { return static_cast<int>(std::count(ticks.begin(), ticks.end(), name)); }
    bool runUntilTicked(const std::string& name, int times = 1) {
        return impl.runUntil([&] { return count(name) >= times; }, Limit);
    }
    // Holds the thread without handling events, so that time passes between two steps.
    void pause(int ms) { impl.loop().sleepMs(ms); }
    std::int64_t firstTickOf(const std::string& name) const {
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            if (ticks[i] == name) return tickTimes[i];
        }
        return -1;
    }

    Traits impl;
    std::vector<std::string> ticks;
    std::vector<std::int64_t> tickTimes;
};

TYPED_TEST_SUITE(TimerContract, TimerImplementations);

TYPED_TEST(TimerContract, AStartedHandleTicksEveryIntervalUntilItIsStopped) {
    auto timer = this->handle("timer");
    const std::int64_t started = this->impl.nowMs();
    timer->start(Interval);
    ASSERT_TRUE(this->runUntilTicked("timer", 3));
    EXPECT_GE(this->tickTimes[0] - started, Interval - 1) << "no tick before its interval";
    EXPECT_GE(this->tickTimes[2] - started, 3 * Interval - 1);
    timer->stop();
    // A stopped timer would tick long before this witness.
    auto witness = this->handle("witness");
    witness->start(2 * Interval);
    ASSERT_TRUE(this->runUntilTicked("witness"));
    EXPECT_EQ(this->count("timer"), 3);
}

TYPED_TEST(TimerContract, StartCountsFromZeroAgainEvenWithTheSameInterval) {
    auto timer = this->handle("timer");
    timer->start(Interval);
    this->pause(Interval / 2);
    auto witness = this->handle("witness");
    witness->start(Interval);
    this->pause(Gap);
    timer->start(Interval);  // due a gap after the witness; without the restart, well before it
    ASSERT_TRUE(this->impl.runUntil([&] { return this->count("timer") > 0 && this->count("witness") > 0; }, Limit));
    EXPECT_EQ(this->ticks.front(), "witness");
}

TYPED_TEST(TimerContract, AStoppedHandleStartedAgainCountsFromZero) {
    auto timer = this->handle("timer");
    timer->start(Interval);
    this->pause(Interval / 2);
    timer->stop();
    auto witness = this->handle("witness");
    witness->start(Interval);
    this->pause(Gap);
    timer->start(Interval);
    ASSERT_TRUE(this->impl.runUntil([&] { return this->count("timer") > 0 && this->count("witness") > 0; }, Limit));
    EXPECT_EQ(this->ticks.front(), "witness");
}

TYPED_TEST(TimerContract, ADestroyedHandleNeverTicks) {
    auto timer = this->handle("timer");
    timer->start(Interval);
    timer.reset();
    auto witness = this->handle("witness");
    witness->start(2 * Interval);
    ASSERT_TRUE(this->runUntilTicked("witness"));
    EXPECT_EQ(this->count("timer"), 0);
}

TYPED_TEST(TimerContract, AHandleMayStopOrRestartItselfFromItsOwnTick) {
    std::unique_ptr<platform::TimerHandle> once;
    once = this->impl.timers().createTimer([&] {
        this->tick("once");
        once->stop();
    });
    std::unique_ptr<platform::TimerHandle> slower;
    slower = this->impl.timers().createTimer([&] {
        this->tick("slower");
        if (this->count("slower") == 1) slower->start(3 * Interval);
    });
    once->start(Interval);
    slower->start(Interval);
    ASSERT_TRUE(this->runUntilTicked("slower", 2));
    EXPECT_EQ(this->count("once"), 1);
    const std::int64_t first = this->firstTickOf("slower");
    EXPECT_GE(this->tickTimes.back() - first, 3 * Interval - 1) << "the new interval counts from the restart";
}

TYPED_TEST(TimerContract, TicksMissedWhileTheThreadWasHeldUpComeAsOne) {
    auto timer = this->handle("timer");
    timer->start(Interval);
    this->pause(3 * Interval + Interval / 2);
    this->impl.loop().processPendingEvents();
    EXPECT_EQ(this->count("timer"), 1) << "the tick that came due is handled by the next processing, once";
    // And the count goes on from there: the next tick is a whole interval later.
    const std::int64_t caughtUp = this->tickTimes.back();
    ASSERT_TRUE(this->runUntilTicked("timer", 2));
    EXPECT_GE(this->tickTimes.back() - caughtUp, Interval - 1);
}

// The core's Timer over each platform: the rules every part of the program relies on.
template <class Traits>
class TimerRulesContract : public TimerContract<Traits> {
protected:
    std::unique_ptr<Timer> coreTimer(int intervalMs, bool enabled) {
        return std::make_unique<Timer>(this->impl.timers(), intervalMs, enabled, [this] { this->tick("timer"); });
    }
    // Both have ticked; true when the timer came first.
    bool timerTicksBeforeWitness() {
        EXPECT_TRUE(this->impl.runUntil([&] { return this->count("timer") > 0 && this->count("witness") > 0; }, Limit));
        return !this->ticks.empty() && this->ticks.front() == "timer";
    }
};

TYPED_TEST_SUITE(TimerRulesContract, TimerImplementations);

TYPED_TEST(TimerRulesContract, EnablingADisabledTimerStartsItsCountFromZero) {
    auto timer = this->coreTimer(Interval, true);
    this->pause(Interval / 2);
    timer->setEnabled(false);
    auto witness = this->handle("witness");
    witness->start(Interval);
    this->pause(Gap);
    timer->setEnabled(true);
    EXPECT_FALSE(this->timerTicksBeforeWitness());
}

TYPED_TEST(TimerRulesContract, ADifferentIntervalRestartsTheCount) {
    auto timer = this->coreTimer(Interval, true);
    this->pause(Interval / 2);
    auto witness = this->handle("witness");
    witness->start(2 * Interval);
    this->pause(Gap);
    // Due a gap after the witness; on the old count, with the old interval or the new
    // one, before it.
    timer->setInterval(2 * Interval);
    EXPECT_FALSE(this->timerTicksBeforeWitness());
}

TYPED_TEST(TimerRulesContract, TheSameIntervalChangesNothing) {
    auto timer = this->coreTimer(Interval, true);
    this->pause(Interval / 2 - Gap);
    auto witness = this->handle("witness");
    witness->start(Interval);
    this->pause(Gap);
    timer->setInterval(Interval);  // a restart here would make it due a gap after the witness
    EXPECT_TRUE(this->timerTicksBeforeWitness());
}

TYPED_TEST(TimerRulesContract, EnablingAnEnabledTimerChangesNothing) {
    auto timer = this->coreTimer(Interval, true);
    this->pause(Interval / 2 - Gap);
    auto witness = this->handle("witness");
    witness->start(Interval);
    this->pause(Gap);
    timer->setEnabled(true);
    EXPECT_TRUE(this->timerTicksBeforeWitness());
}

TYPED_TEST(TimerRulesContract, ADisabledTimerDoesNotTick) {
    auto neverEnabled = this->coreTimer(Interval, false);
    auto disabled = this->coreTimer(Interval, true);
    this->pause(Interval / 2);
    disabled->setEnabled(false);
    disabled->setInterval(Interval / 2);  // a new interval does not enable it
    auto witness = this->handle("witness");
    witness->start(2 * Interval);
    ASSERT_TRUE(this->runUntilTicked("witness", 2));
    EXPECT_EQ(this->count("timer"), 0);
}

TYPED_TEST(TimerRulesContract, AnEnabledTimerTicksEveryInterval) {
    auto timer = this->coreTimer(Interval, true);
    const std::int64_t started = this->impl.nowMs();
    ASSERT_TRUE(this->runUntilTicked("timer", 3));
    EXPECT_GE(this->tickTimes[2] - started, 3 * Interval - 1);
}

}  // namespace
}  // namespace solvane::contract
