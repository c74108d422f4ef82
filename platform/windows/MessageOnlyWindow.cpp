#include "platform/windows/MessageOnlyWindow.h"

#include "platform/windows/EscapedException.h"

namespace solvane::windows {

namespace {

constexpr wchar_t ClassName[] = L"SolvaneMessageWindow";

// Registered once for the process; the window procedure finds its object through the
// window's user data.
ATOM registeredClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = ClassName;
        return RegisterClassExW(&windowClass);
    }();
    return atom;
}

}  // namespace

MessageOnlyWindow::MessageOnlyWindow(Handler handler) : handler_(std::move(handler)) {
    registeredClass(&MessageOnlyWindow::procedure);
    window_ = CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), this);
}

MessageOnlyWindow::~MessageOnlyWindow() {
    if (!window_) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK MessageOnlyWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<MessageOnlyWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || message < WM_APP || message > 0xBFFF) return DefWindowProcW(window, message, wParam, lParam);
    try {
        self->handler_(message, wParam, lParam);
    } catch (...) {
        keepEscapedException(std::current_exception());
    }
    return 0;
}

}  // namespace solvane::windows
