#include "platform/windows/Win32Window.h"

#include <exception>
#include <utility>

#include "platform/windows/EscapedException.h"

namespace solvane::windows {

Win32Window::Win32Window(const Kind& kind, Rect bounds, Handler handler) : handler_(std::move(handler)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Win32Window::procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kind.className;
    // Every window registers its class; one that is already there is simply used.
    RegisterClassExW(&windowClass);
    handle_ = CreateWindowExW(kind.extendedStyle, kind.className, kind.title, kind.style, bounds.left, bounds.top,
                              bounds.width, bounds.height, kind.parent, nullptr, GetModuleHandleW(nullptr), this);
}

Win32Window::~Win32Window() {
    if (!handle_) return;
    // The handler's owner is going: the window's last messages get the default handling.
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
}

LRESULT CALLBACK Win32Window::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The first message that carries the creation's parameters: from here on the
        // window's messages reach its owner's handler. Win32 hands these pointers
        // over as integers.
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);  // NOLINT(performance-no-int-to-ptr)
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self =
        reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));  // NOLINT(performance-no-int-to-ptr)
    if (self && self->handler_) {
        try {
            if (const std::optional<LRESULT> result = self->handler_(message, wParam, lParam)) return *result;
        } catch (...) {
            keepEscapedException(std::current_exception());
            return 0;
        }
    }
    // Asked to close (taskkill without /F asks every window), the default would destroy
    // the window under its owner, which goes on using it; the owner ends it.
    if (self && message == WM_CLOSE) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace solvane::windows
