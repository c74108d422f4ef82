#pragma once
#include <windows.h>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>

#include "platform/EventLoop.h"
#include "platform/windows/MessageOnlyWindow.h"

namespace solvane::windows {

// The core's event loop over the message queue of the thread that creates it (the UI
// thread): a round of processing is a PeekMessageW loop over what waits, a run waits
// in GetMessageW, idle, until quit(). Posted actions travel as a message to a
// message-only window, so that a modal dialog's loop runs them too.
//
// WM_QUIT. A WM_QUIT that names a window is that window's message: another instance
// posts it to the program's main window (see WindowClassInstanceControl), and the loop
// dispatches it there instead of ending. A WM_QUIT without a window (PostQuitMessage;
// a modal dialog's loop also posts one when it ends on a WM_QUIT it took) ends the run
// as quit() does, the way a Win32 message loop ends.
class Win32EventLoop final : public platform::EventLoop {
public:
    Win32EventLoop();

    void processPendingEvents() override;
    void sleepMs(int ms) override;
    void run() override;
    // May also come from another thread: it wakes the run.
    void quit() override;
    // Safe from any thread; the action runs on the UI thread.
    void post(std::function<void()> action) override;

private:
    static constexpr UINT RunPostedActions = WM_APP;
    static constexpr UINT Wake = WM_APP + 1;

    void dispatch(const MSG& message);
    void runPostedActions();
    void queueRunMessage();  // under mutex_

    MessageOnlyWindow window_;
    const DWORD thread_;
    std::mutex mutex_;
    std::deque<std::function<void()>> posted_;
    bool runMessageQueued_ = false;
    // quit() may come before run(): the run then returns at once, and uses it up.
    std::atomic<bool> quitRequested_{false};
};

}  // namespace solvane::windows
