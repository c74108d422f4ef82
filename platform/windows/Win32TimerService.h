#pragma once
#include <memory>

#include "platform/TimerService.h"

namespace solvane::windows {

// Timers that tick on the thread that creates the service (the UI thread), through
// its message queue, counted precisely by a TickScheduler: a display time of a few
// seconds ends within a millisecond or two of its setting, and the ticks keep coming
// while a modal dialog or menu runs its own message loop.
class Win32TimerService final : public platform::TimerService {
public:
    Win32TimerService();
    ~Win32TimerService() override;

    std::unique_ptr<platform::TimerHandle> createTimer(std::function<void()> onFire) override;

    // Whether the counting uses a high-resolution waitable timer (for the benchmark).
    bool highResolution() const;

private:
    class Handle;
    struct Ticks;
    // Shared with the handles, which may outlive the service.
    std::shared_ptr<Ticks> ticks_;
};

}  // namespace solvane::windows
