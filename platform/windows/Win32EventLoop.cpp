#include "platform/windows/Win32EventLoop.h"

#include "platform/windows/DialogMessages.h"
#include "platform/windows/EscapedException.h"

namespace solvane::windows {

Win32EventLoop::Win32EventLoop()
    : window_([this](UINT message, WPARAM, LPARAM) {
          if (message == RunPostedActions) runPostedActions();
      }),
      thread_(GetCurrentThreadId()) {}

void Win32EventLoop::processPendingEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) dispatch(message);
}

void Win32EventLoop::sleepMs(int ms) { Sleep(ms > 0 ? static_cast<DWORD>(ms) : 0); }

void Win32EventLoop::run() {
    MSG message;
    while (!quitRequested_) {
        // -1 only comes with an invalid window filter, which this call has not.
        if (GetMessageW(&message, nullptr, 0, 0) == -1) break;
        dispatch(message);
    }
    quitRequested_ = false;
}

void Win32EventLoop::quit() {
    quitRequested_ = true;
    if (GetCurrentThreadId() != thread_) PostMessageW(window_.handle(), Wake, 0, 0);
}

void Win32EventLoop::post(std::function<void()> action) {
    const std::lock_guard lock(mutex_);
    posted_.push_back(std::move(action));
    queueRunMessage();
}

void Win32EventLoop::dispatch(const MSG& message) {
    if (message.message == WM_QUIT && message.hwnd == nullptr) {
        quit();
        return;
    }
    // The settings dialog's keys (Tab between its controls, Escape, access keys) are its own.
    MSG copy = message;
    if (message.message != WM_QUIT && translateDialogMessage(copy)) {
        rethrowEscapedException();
        return;
    }
    if (message.message != WM_QUIT) TranslateMessage(&message);
    DispatchMessageW(&message);
    rethrowEscapedException();
}

void Win32EventLoop::runPostedActions() {
    std::size_t count = 0;
    {
        const std::lock_guard lock(mutex_);
        runMessageQueued_ = false;
        count = posted_.size();
    }
    // Those that were waiting when the message came; an action posted meanwhile comes
    // with a message of its own, after whatever else has come by then.
    for (; count > 0; --count) {
        std::function<void()> action;
        {
            const std::lock_guard lock(mutex_);
            if (posted_.empty()) return;
            action = std::move(posted_.front());
            posted_.pop_front();
        }
        try {
            action();
        } catch (...) {
            // The rest still run, from a message of their own.
            const std::lock_guard lock(mutex_);
            if (!posted_.empty()) queueRunMessage();
            throw;
        }
    }
}

void Win32EventLoop::queueRunMessage() {
    if (runMessageQueued_) return;
    runMessageQueued_ = PostMessageW(window_.handle(), RunPostedActions, 0, 0) != FALSE;
}

}  // namespace solvane::windows
