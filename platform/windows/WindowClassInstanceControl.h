#pragma once
#include <windows.h>

#include <functional>

#include "platform/InstanceControl.h"

namespace solvane::windows {

// Running instances find each other by the class of their main window,
// "TfrmSlv17k30Main": a hidden top-level window (FindWindowW and the session's
// broadcasts see only top-level windows), never shown, not activated, without a
// taskbar entry. Another instance posts WM_QUIT to it; Win32EventLoop dispatches a
// WM_QUIT that names a window to that window instead of ending, and this window runs
// the quit action. Only windows of other processes are asked.
//
// A restart: handOver() marks the window as handed over; it answers nothing more, and
// a starting instance that finds it does not ask it but reports that an instance is
// still there, so that it asks again (the core's 99 ms) until the new process's
// window is the one it finds. The handed-over window stays after withdraw() and until
// this object is destroyed, which waits (up to heirWaitMs, handling only the messages
// that Windows sends, such as a log-off query) for the new process's window to
// appear: the place is never empty while one process ends and the next starts.
class WindowClassInstanceControl final : public platform::InstanceControl {
public:
    static constexpr wchar_t ClassName[] = L"TfrmSlv17k30Main";
    // Long enough for a new process to create its windows on a slow machine.
    static constexpr int DefaultHeirWaitMs = 10'000;

    explicit WindowClassInstanceControl(int heirWaitMs = DefaultHeirWaitMs);
    ~WindowClassInstanceControl() override;
    WindowClassInstanceControl(const WindowClassInstanceControl&) = delete;
    WindowClassInstanceControl& operator=(const WindowClassInstanceControl&) = delete;

    // Posts WM_QUIT to the first window of the class of another process; true too when
    // only handed-over windows are there (their heirs are on their way).
    bool quitAnotherInstance() override;
    // Creates the main window (registering its class once). onQuit runs on the UI
    // thread from the event loop, or inside answerWaitingRequests, never in this call.
    void announce(std::function<void()> onQuit) override;
    // Answers the first WM_QUIT that waits in the queue for the main window.
    void answerWaitingRequests() override;
    void handOver() override;
    // Destroys the main window, unless it was handed over (see above).
    void withdraw() override;

    // The announced main window, or nullptr.
    HWND mainWindow() const { return window_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void answer(HWND window);
    void waitForHeir() const;

    const int heirWaitMs_;
    HWND window_ = nullptr;
    bool answering_ = false;
    // Handed over and withdrawn: kept until the heir's window is there.
    HWND handedOverWindow_ = nullptr;
    std::function<void()> onQuit_;
};

}  // namespace solvane::windows
