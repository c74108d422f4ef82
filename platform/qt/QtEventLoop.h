#pragma once
#include "platform/EventLoop.h"

namespace solvane::qt {

// The core's event loop on top of the QApplication's.
class QtEventLoop : public platform::EventLoop {
public:
    void processPendingEvents() override;
    void sleepMs(int ms) override;
    void run() override;
    void quit() override;
    void post(std::function<void()> action) override;

private:
    // quit() may come before run(): the loop then returns at once.
    bool quitRequested_ = false;
};

}  // namespace solvane::qt
