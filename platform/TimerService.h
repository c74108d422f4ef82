#pragma once
#include <functional>
#include <memory>

namespace solvane::platform {

// A periodic platform timer. The core's Timer keeps the interval and enabled rules;
// the platform only counts: start() (re)starts the count from zero with the given
// interval, stop() ends it. While started it fires every interval on the UI thread.
class TimerHandle {
public:
    virtual ~TimerHandle() = default;
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
};

class TimerService {
public:
    virtual ~TimerService() = default;
    virtual std::unique_ptr<TimerHandle> createTimer(std::function<void()> onFire) = 0;
};

}  // namespace solvane::platform
