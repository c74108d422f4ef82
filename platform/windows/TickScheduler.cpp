#include "platform/windows/TickScheduler.h"

#include <mmsystem.h>

#include <algorithm>
#include <vector>

namespace solvane::windows {

namespace {

// Not yet in every SDK's headers.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr DWORD CREATE_WAITABLE_TIMER_HIGH_RESOLUTION = 0x00000002;
#endif

// SetWaitableTimer's unit: 100 ns; a negative due time is relative to now.
using Hundreds = std::chrono::duration<LONGLONG, std::ratio<1, 10'000'000>>;

}  // namespace

TickScheduler::TickScheduler(HWND target, UINT message) : target_(target), message_(message) {
    timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    highResolution_ = timer_ != nullptr;
    if (!timer_) {
        // Windows before 10 1803 knows no high-resolution timer.
        timer_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
        raisedResolution_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
    stopEvent_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (timer_ && stopEvent_) thread_ = std::thread([this] { serve(); });
}

TickScheduler::~TickScheduler() {
    if (thread_.joinable()) {
        SetEvent(stopEvent_);
        thread_.join();
    }
    if (raisedResolution_) timeEndPeriod(1);
    if (stopEvent_) CloseHandle(stopEvent_);
    if (timer_) CloseHandle(timer_);
}

void TickScheduler::start(std::uint64_t id, int intervalMs) {
    const std::lock_guard lock(mutex_);
    Count& count = counts_[id];
    count.interval = std::chrono::milliseconds(std::max(intervalMs, 1));
    count.due = Clock::now() + count.interval;
    count.generation = ++generations_;
    count.posted = false;
    arm();
}

void TickScheduler::stop(std::uint64_t id) {
    const std::lock_guard lock(mutex_);
    // The thread finds nothing due for it; the timer, if armed for it, wakes it once for nothing.
    counts_.erase(id);
}

bool TickScheduler::takeTick(std::uint64_t id, std::uint64_t generation) {
    const std::lock_guard lock(mutex_);
    const auto found = counts_.find(id);
    if (found == counts_.end() || found->second.generation != generation || !found->second.posted) return false;
    Count& count = found->second;
    count.posted = false;
    const Clock::time_point now = Clock::now();
    count.due += count.interval;
    if (count.due <= now) count.due = now + count.interval;
    arm();
    return true;
}

void TickScheduler::serve() {
    // The thread only wakes, posts and sleeps again: ahead of the UI thread's work,
    // it keeps the ticks on time when the machine is busy.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    const HANDLE handles[] = {stopEvent_, timer_};
    while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        const std::lock_guard lock(mutex_);
        postDueTicks();
        arm();
    }
}

void TickScheduler::postDueTicks() {
    const Clock::time_point now = Clock::now();
    std::vector<std::pair<std::uint64_t, Count*>> due;
    for (auto& [id, count] : counts_) {
        if (!count.posted && count.due <= now) due.emplace_back(id, &count);
    }
    // In the order of their due times, as the UI thread would have seen them come due.
    std::sort(due.begin(), due.end(), [](const auto& a, const auto& b) { return a.second->due < b.second->due; });
    for (auto& [id, count] : due) {
        count->posted =
            PostMessageW(target_, message_, static_cast<WPARAM>(id), static_cast<LPARAM>(count->generation)) != FALSE;
        // A full message queue loses this tick; the count goes on from now.
        if (!count->posted) count->due = now + count->interval;
    }
}

void TickScheduler::arm() {
    Clock::time_point earliest = Clock::time_point::max();
    for (const auto& [id, count] : counts_) {
        if (!count.posted) earliest = std::min(earliest, count.due);
    }
    if (earliest == Clock::time_point::max()) {
        CancelWaitableTimer(timer_);
        return;
    }
    // Rounded up, so that the thread never wakes before the due time it waits for
    // (and it checks the time again when it wakes).
    const LONGLONG wait = std::max<LONGLONG>(std::chrono::ceil<Hundreds>(earliest - Clock::now()).count(), 1);
    LARGE_INTEGER dueTime;
    dueTime.QuadPart = -wait;
    SetWaitableTimer(timer_, &dueTime, 0, nullptr, nullptr, FALSE);
}

}  // namespace solvane::windows
