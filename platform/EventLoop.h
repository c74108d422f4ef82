#pragma once
#include <functional>

namespace solvane::platform {

// The user-interface thread's event loop as the core sees it.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Handle every event that is waiting (timer ticks, clicks, paints), then return.
    virtual void processPendingEvents() = 0;
    // Block the thread for the given milliseconds without handling events.
    virtual void sleepMs(int ms) = 0;
    // Run until quit() is called; returns then.
    virtual void run() = 0;
    virtual void quit() = 0;
    // Queues an action to run on the UI thread at the next round of event processing.
    virtual void post(std::function<void()> action) = 0;
};

}  // namespace solvane::platform
