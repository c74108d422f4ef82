#pragma once
#include <windows.h>

#include <functional>
#include <optional>

#include "platform/Geometry.h"

namespace solvane::windows {

// A window of the program's own class whose messages go to a handler, destroyed with
// its owner and only then. The class is registered the first time a window of it is
// made. A message the handler leaves (nothing returned) gets the default handling,
// except WM_CLOSE, which leaves the window as it is. An exception that escapes the
// handler is kept for the event loop to throw again (see EscapedException.h).
class Win32Window {
public:
    using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)>;

    struct Kind {
        const wchar_t* className;
        const wchar_t* title;
        DWORD style;
        DWORD extendedStyle;
        // HWND_MESSAGE for a message-only window; a top-level window otherwise.
        HWND parent = nullptr;
    };

    Win32Window(const Kind& kind, Rect bounds, Handler handler);
    ~Win32Window();
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    HWND handle() const { return handle_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Handler handler_;
    HWND handle_ = nullptr;
};

}  // namespace solvane::windows
