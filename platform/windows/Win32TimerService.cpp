#include "platform/windows/Win32TimerService.h"

#include <cstdint>
#include <map>

#include "platform/windows/MessageOnlyWindow.h"
#include "platform/windows/TickScheduler.h"

namespace solvane::windows {

namespace {
constexpr UINT TickMessage = WM_APP;
}

// The UI thread's side: the window the ticks arrive at and each handle's action.
struct Win32TimerService::Ticks {
    Ticks()
        : window([this](UINT message, WPARAM id, LPARAM generation) {
              if (message == TickMessage) deliver(id, static_cast<std::uint64_t>(generation));
          }),
          scheduler(window.handle(), TickMessage) {}

    void deliver(std::uint64_t id, std::uint64_t generation) {
        if (!scheduler.takeTick(id, generation)) return;
        const auto found = actions.find(id);
        if (found == actions.end()) return;
        // Held while it runs: the action may destroy its own handle.
        const std::shared_ptr<const std::function<void()>> action = found->second;
        (*action)();
    }

    // The window outlives the scheduler, whose thread posts to it.
    MessageOnlyWindow window;
    TickScheduler scheduler;
    std::map<std::uint64_t, std::shared_ptr<const std::function<void()>>> actions;
    std::uint64_t nextId = 1;
};

class Win32TimerService::Handle : public platform::TimerHandle {
public:
    Handle(std::shared_ptr<Ticks> ticks, std::function<void()> onFire)
        : ticks_(std::move(ticks)), id_(ticks_->nextId++) {
        ticks_->actions.emplace(id_, std::make_shared<const std::function<void()>>(std::move(onFire)));
    }
    ~Handle() override {
        ticks_->scheduler.stop(id_);
        ticks_->actions.erase(id_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    void start(int intervalMs) override { ticks_->scheduler.start(id_, intervalMs); }
    void stop() override { ticks_->scheduler.stop(id_); }

private:
    std::shared_ptr<Ticks> ticks_;
    const std::uint64_t id_;
};

Win32TimerService::Win32TimerService() : ticks_(std::make_shared<Ticks>()) {}

Win32TimerService::~Win32TimerService() = default;

std::unique_ptr<platform::TimerHandle> Win32TimerService::createTimer(std::function<void()> onFire) {
    return std::make_unique<Handle>(ticks_, std::move(onFire));
}

bool Win32TimerService::highResolution() const { return ticks_->scheduler.highResolution(); }

}  // namespace solvane::windows
