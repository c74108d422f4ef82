#pragma once
#include <functional>
#include <memory>

#include "platform/TimerService.h"

namespace solvane {

// A timer with an interval in milliseconds and an enabled flag. While enabled it
// fires every interval. Enabling a disabled timer starts its count from zero;
// setting a different interval on an enabled timer restarts the count; setting the
// same interval, or enabling an enabled timer, changes nothing.
class Timer {
public:
    Timer(platform::TimerService& service, int intervalMs, bool enabled, std::function<void()> onTimer);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    void setInterval(int intervalMs);
    void setEnabled(bool value);

private:
    void fire();
    void arm();

    std::function<void()> onTimer_;
    std::unique_ptr<platform::TimerHandle> handle_;
    int interval_;
    bool enabled_;
};

}  // namespace solvane
