#include "platform/fake/FakeEventLoop.h"

#include <algorithm>
#include <limits>

namespace solvane::fake {

class FakeEventLoop::Handle : public platform::TimerHandle {
public:
    Handle(FakeEventLoop& loop, std::uint64_t id) : loop_(loop), id_(id) {}
    ~Handle() override { loop_.timers_.erase(id_); }
    void start(int intervalMs) override {
        auto& timer = loop_.timers_.at(id_);
        timer.interval = intervalMs;
        timer.due = loop_.now_ + intervalMs;
        timer.active = true;
    }
    void stop() override { loop_.timers_.at(id_).active = false; }

private:
    FakeEventLoop& loop_;
    std::uint64_t id_;
};

FakeEventLoop::FakeEventLoop() = default;
FakeEventLoop::~FakeEventLoop() = default;

std::unique_ptr<platform::TimerHandle> FakeEventLoop::createTimer(std::function<void()> onFire) {
    const std::uint64_t id = nextTimerId_++;
    timers_[id].onFire = std::move(onFire);
    return std::make_unique<Handle>(*this, id);
}

int FakeEventLoop::activeTimers() const {
    return static_cast<int>(
        std::count_if(timers_.begin(), timers_.end(), [](const auto& t) { return t.second.active; }));
}

bool FakeEventLoop::dispatchDue() {
    bool any = false;
    // Posted actions first, then events placed at a time, then timer ticks.
    std::vector<std::function<void()>> posted;
    posted.swap(posted_);
    for (auto& action : posted) {
        any = true;
        action();
    }
    while (!scheduled_.empty() && scheduled_.begin()->first <= now_) {
        auto action = std::move(scheduled_.begin()->second);
        scheduled_.erase(scheduled_.begin());
        any = true;
        action();
    }
    std::vector<std::uint64_t> due;
    for (const auto& [id, timer] : timers_) {
        if (timer.active && timer.due <= now_) due.push_back(id);
    }
    for (std::uint64_t id : due) {
        auto found = timers_.find(id);
        // A handler that ran before may have stopped, restarted or destroyed this timer.
        if (found == timers_.end() || !found->second.active || found->second.due > now_) continue;
        found->second.due = now_ + found->second.interval;
        any = true;
        auto onFire = found->second.onFire;
        onFire();
    }
    return any;
}

void FakeEventLoop::processPendingEvents() {
    ++pumpRounds_;
    while (!roundActions_.empty() && roundActions_.begin()->first <= pumpRounds_) {
        auto action = std::move(roundActions_.begin()->second);
        roundActions_.erase(roundActions_.begin());
        action();
    }
    dispatchDue();
}

void FakeEventLoop::sleepMs(int ms) {
    now_ += ms;
    sleptMs_ += ms;
}

std::int64_t FakeEventLoop::nextDueTime() const {
    std::int64_t next = std::numeric_limits<std::int64_t>::max();
    if (!posted_.empty()) return now_;
    if (!scheduled_.empty()) next = std::min(next, scheduled_.begin()->first);
    for (const auto& [id, timer] : timers_) {
        if (timer.active) next = std::min(next, timer.due);
    }
    return next;
}

void FakeEventLoop::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    while (!quitRequested_) {
        const std::int64_t next = nextDueTime();
        if (next > target) break;
        now_ = std::max(now_, next);
        dispatchDue();
    }
    now_ = std::max(now_, target);
}

bool FakeEventLoop::advanceUntil(const std::function<bool()>& condition, std::int64_t limitMs) {
    const std::int64_t limit = now_ + limitMs;
    while (!condition()) {
        if (quitRequested_) return false;
        const std::int64_t next = nextDueTime();
        if (next > limit) {
            now_ = limit;
            return condition();
        }
        now_ = std::max(now_, next);
        dispatchDue();
    }
    return true;
}

void FakeEventLoop::at(std::int64_t time, std::function<void()> action) { scheduled_.emplace(time, std::move(action)); }

void FakeEventLoop::atPumpRound(std::int64_t round, std::function<void()> action) {
    roundActions_.emplace(pumpRounds_ + round, std::move(action));
}

void FakeEventLoop::run() {
    const std::int64_t limit = now_ + runLimitMs;
    while (!quitRequested_ && now_ < limit) {
        const std::int64_t next = nextDueTime();
        if (next > limit) {
            now_ = limit;
            break;
        }
        now_ = std::max(now_, next);
        dispatchDue();
    }
    // The quit is used up by the run it ends, as on the real loop: a later run lasts
    // until its own quit.
    quitRequested_ = false;
}

}  // namespace solvane::fake
