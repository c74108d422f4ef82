#pragma once
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <thread>

namespace solvane::windows {

// Counts the program's timers on a thread of its own and posts each tick that comes
// due to a window of the UI thread, so that any message loop there delivers it, a
// modal dialog's included.
//
// SetTimer ticks on the system's clock tick, about 15.6 ms on Windows, which a display
// time of a few seconds would miss by up to that much. This thread waits on a
// high-resolution waitable timer instead (Windows 10 1803 and later); where there is
// none, on an ordinary one with the system's timer resolution raised to 1 ms while the
// scheduler exists.
//
// A count has at most one tick on its way: ticks that come due while the UI thread is
// held up come as one, and the next is due an interval after the one delivered (or an
// interval from its delivery, when the UI thread was held up past the next due time).
class TickScheduler {
public:
    using Clock = std::chrono::steady_clock;

    // Ticks are posted as `message` to `target`, with the count's id as wParam and its
    // generation as lParam, for takeTick().
    TickScheduler(HWND target, UINT message);
    ~TickScheduler();
    TickScheduler(const TickScheduler&) = delete;
    TickScheduler& operator=(const TickScheduler&) = delete;

    // (Re)starts the count of `id` from now: the first tick is due an interval from now.
    void start(std::uint64_t id, int intervalMs);
    // Ends the count; a tick already on its way is not taken any more.
    void stop(std::uint64_t id);
    // For a tick message, on the UI thread: true when it belongs to the running count
    // of `id` (neither stopped nor started again since it was posted). Schedules the next.
    bool takeTick(std::uint64_t id, std::uint64_t generation);

    // Whether the waits are high-resolution ones (else the system's resolution is raised).
    bool highResolution() const { return highResolution_; }

private:
    struct Count {
        Clock::time_point due;
        Clock::duration interval{};
        std::uint64_t generation = 0;
        bool posted = false;  // a tick is on its way
    };

    void serve();
    // Both under mutex_.
    void postDueTicks();
    void arm();

    const HWND target_;
    const UINT message_;
    HANDLE timer_ = nullptr;
    HANDLE stopEvent_ = nullptr;
    bool highResolution_ = false;
    bool raisedResolution_ = false;
    std::mutex mutex_;
    std::map<std::uint64_t, Count> counts_;
    std::uint64_t generations_ = 0;
    std::thread thread_;
};

}  // namespace solvane::windows
