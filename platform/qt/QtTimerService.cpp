#include "platform/qt/QtTimerService.h"

#include <QTimer>

namespace solvane::qt {
namespace {

class QtTimerHandle : public platform::TimerHandle {
public:
    explicit QtTimerHandle(std::function<void()> onFire) : onFire_(std::move(onFire)) {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { onFire_(); });
    }
    // QTimer::start restarts the count from zero with the interval.
    void start(int intervalMs) override { timer_.start(intervalMs); }
    void stop() override { timer_.stop(); }

private:
    std::function<void()> onFire_;
    QTimer timer_;
};

}  // namespace

std::unique_ptr<platform::TimerHandle> QtTimerService::createTimer(std::function<void()> onFire) {
    return std::make_unique<QtTimerHandle>(std::move(onFire));
}

}  // namespace solvane::qt
