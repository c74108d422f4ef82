#include "app/controls/Timer.h"

namespace solvane {

Timer::Timer(platform::TimerService& service, int intervalMs, bool enabled, std::function<void()> onTimer)
    : onTimer_(std::move(onTimer)),
      handle_(service.createTimer([this] { fire(); })),
      interval_(intervalMs),
      enabled_(enabled) {
    arm();
}

Timer::~Timer() { handle_->stop(); }

void Timer::setInterval(int intervalMs) {
    if (intervalMs == interval_) return;
    interval_ = intervalMs;
    arm();
}

void Timer::setEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    arm();
}

void Timer::arm() {
    // A timer with no interval never fires, as on the platform the design comes from.
    if (enabled_ && interval_ > 0) {
        handle_->start(interval_);
    } else {
        handle_->stop();
    }
}

void Timer::fire() {
    if (enabled_ && onTimer_) onTimer_();
}

}  // namespace solvane
