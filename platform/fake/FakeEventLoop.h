#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/EventLoop.h"
#include "platform/TimerService.h"

namespace solvane::fake {

// Virtual time for tests: a clock that only moves when the test (or a sleep) moves
// it, timers that fire at exact virtual times, and actions placed at exact moments.
// Everything runs on the caller's thread; handlers may process events inside
// handlers, exactly as on the real event loop.
class FakeEventLoop : public platform::EventLoop, public platform::TimerService {
public:
    FakeEventLoop();
    ~FakeEventLoop() override;

    // --- EventLoop ---
    void processPendingEvents() override;
    void sleepMs(int ms) override;
    void run() override;
    void quit() override { quitRequested_ = true; }
    void post(std::function<void()> action) override { posted_.push_back(std::move(action)); }

    // --- TimerService ---
    std::unique_ptr<platform::TimerHandle> createTimer(std::function<void()> onFire) override;

    // --- For tests ---
    std::int64_t now() const { return now_; }
    // Lets the event loop run for the given virtual time, firing what comes due.
    void advance(std::int64_t ms);
    // Runs the loop until the predicate holds or the time limit has passed; true when it held.
    bool advanceUntil(const std::function<bool()>& condition, std::int64_t limitMs);
    // An event (a click, say) that arrives at the given virtual time.
    void at(std::int64_t time, std::function<void()> action);
    // An event that arrives during the given round of event processing from now on
    // (1 = the next round); rounds are counted by processPendingEvents.
    void atPumpRound(std::int64_t round, std::function<void()> action);
    std::int64_t pumpRounds() const { return pumpRounds_; }
    std::int64_t totalSleptMs() const { return sleptMs_; }
    // A quit that no run has used up yet.
    bool quitRequested() const { return quitRequested_; }
    // How long run() lets virtual time pass before it returns by itself.
    std::int64_t runLimitMs = 60'000;
    // Number of timers that are currently counting.
    int activeTimers() const;
    // Number of timers that exist, counting or not.
    std::size_t timerCount() const { return timers_.size(); }
    // Posted actions and placed events that have not run yet.
    std::size_t pendingActions() const { return posted_.size() + scheduled_.size() + roundActions_.size(); }

private:
    struct TimerState {
        std::function<void()> onFire;
        int interval = 0;
        std::int64_t due = 0;
        bool active = false;
    };
    class Handle;
    friend class Handle;

    // Runs everything that is due now; false when nothing was.
    bool dispatchDue();
    std::int64_t nextDueTime() const;

    std::int64_t now_ = 0;
    std::int64_t pumpRounds_ = 0;
    std::int64_t sleptMs_ = 0;
    bool quitRequested_ = false;
    std::uint64_t nextTimerId_ = 1;
    std::map<std::uint64_t, TimerState> timers_;
    std::vector<std::function<void()>> posted_;
    std::multimap<std::int64_t, std::function<void()>> scheduled_;
    std::multimap<std::int64_t, std::function<void()>> roundActions_;
};

}  // namespace solvane::fake
