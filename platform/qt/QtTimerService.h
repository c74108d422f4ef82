#pragma once
#include "platform/TimerService.h"

namespace solvane::qt {

// Timers that count precisely (Qt's default coarse timers may fire up to 5% early).
class QtTimerService : public platform::TimerService {
public:
    std::unique_ptr<platform::TimerHandle> createTimer(std::function<void()> onFire) override;
};

}  // namespace solvane::qt
