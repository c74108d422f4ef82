#pragma once
#include <windows.h>

#include <functional>

#include "platform/windows/Win32Window.h"

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

    HWND handle() const { return window_.handle(); }

private:
    Win32Window window_;
};

}  // namespace solvane::windows
