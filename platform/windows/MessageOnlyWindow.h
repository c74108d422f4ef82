#pragma once
#include <windows.h>

#include <functional>

namespace solvane::windows {

// A message-only window: never shown, not among the top-level windows that others
// enumerate, and owned by the thread that creates it. Work posted to it reaches that
// thread through whichever message loop runs there, a modal dialog's or a menu's
// included, so that timers and posted actions keep going while one is open.
class MessageOnlyWindow {
public:
    // The handler gets the messages from WM_APP on; Windows handles the others.
    using Handler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

    explicit MessageOnlyWindow(Handler handler);
    ~MessageOnlyWindow();
    MessageOnlyWindow(const MessageOnlyWindow&) = delete;
    MessageOnlyWindow& operator=(const MessageOnlyWindow&) = delete;

    HWND handle() const { return window_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Handler handler_;
    HWND window_ = nullptr;
};

}  // namespace solvane::windows
