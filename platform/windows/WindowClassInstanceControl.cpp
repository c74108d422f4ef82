#include "platform/windows/WindowClassInstanceControl.h"

#include <chrono>
#include <iterator>
#include <vector>

#include "platform/windows/EscapedException.h"

namespace solvane::windows {

namespace {

// The mark of a handed-over window, readable from other processes.
constexpr wchar_t HandedOverProperty[] = L"SolvaneHandedOver";

bool registerMainWindowClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = WindowClassInstanceControl::ClassName;
        return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

bool isHandedOver(HWND window) { return GetPropW(window, HandedOverProperty) != nullptr; }

// The main windows of other processes, in Z order (the newest first).
struct OtherMainWindows {
    std::vector<HWND> windows;

    OtherMainWindows() { EnumWindows(&OtherMainWindows::add, reinterpret_cast<LPARAM>(this)); }

    static BOOL CALLBACK add(HWND window, LPARAM self) {
        wchar_t className[std::size(WindowClassInstanceControl::ClassName) + 1] = {};
        GetClassNameW(window, className, static_cast<int>(std::size(className)));
        // Class names are compared without case, as FindWindowW does.
        if (CompareStringOrdinal(className, -1, WindowClassInstanceControl::ClassName, -1, TRUE) != CSTR_EQUAL)
            return TRUE;
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != GetCurrentProcessId()) reinterpret_cast<OtherMainWindows*>(self)->windows.push_back(window);
        return TRUE;
    }
};

}  // namespace

WindowClassInstanceControl::WindowClassInstanceControl(int heirWaitMs) : heirWaitMs_(heirWaitMs) {}

WindowClassInstanceControl::~WindowClassInstanceControl() {
    withdraw();
    if (!handedOverWindow_) return;
    waitForHeir();
    SetWindowLongPtrW(handedOverWindow_, GWLP_USERDATA, 0);
    DestroyWindow(handedOverWindow_);
}

bool WindowClassInstanceControl::quitAnotherInstance() {
    bool heirOnItsWay = false;
    for (HWND window : OtherMainWindows().windows) {
        if (isHandedOver(window)) {
            heirOnItsWay = true;
            continue;
        }
        // Fails when the window has gone since it was listed, or when Windows does not
        // let this process post to it (an instance running elevated): then the next one.
        if (PostMessageW(window, WM_QUIT, 0, 0)) return true;
    }
    return heirOnItsWay;
}

void WindowClassInstanceControl::announce(std::function<void()> onQuit) {
    withdraw();
    onQuit_ = std::move(onQuit);
    if (!registerMainWindowClass(&WindowClassInstanceControl::procedure)) return;
    // WS_EX_TOOLWINDOW keeps it off the taskbar and the Alt+Tab list should anything
    // show it; it never is.
    window_ = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, ClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, GetModuleHandleW(nullptr), this);
    answering_ = window_ != nullptr;
}

void WindowClassInstanceControl::answerWaitingRequests() {
    if (!answering_) return;
    MSG message;
    if (!PeekMessageW(&message, window_, WM_QUIT, WM_QUIT, PM_REMOVE)) return;
    if (message.hwnd == window_) {
        answer(window_);
    } else {
        // The thread's own quit (PostQuitMessage), which a window filter may also
        // return: put back for the event loop.
        PostQuitMessage(static_cast<int>(message.wParam));
    }
}

void WindowClassInstanceControl::handOver() {
    if (!window_) return;
    answering_ = false;
    SetPropW(window_, HandedOverProperty, reinterpret_cast<HANDLE>(1));
}

void WindowClassInstanceControl::withdraw() {
    answering_ = false;
    if (!window_) return;
    const HWND window = window_;
    window_ = nullptr;
    if (isHandedOver(window)) {
        // A second hand-over before the first heir came: the older one goes.
        if (handedOverWindow_) DestroyWindow(handedOverWindow_);
        handedOverWindow_ = window;
        return;
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

LRESULT CALLBACK WindowClassInstanceControl::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    if (message != WM_QUIT) return DefWindowProcW(window, message, wParam, lParam);
    auto* self = reinterpret_cast<WindowClassInstanceControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return 0;
    try {
        self->answer(window);
    } catch (...) {
        keepEscapedException(std::current_exception());
    }
    return 0;
}

void WindowClassInstanceControl::answer(HWND window) {
    if (!answering_ || window != window_ || !onQuit_) return;
    // A copy: the action may withdraw this instance or announce it again.
    const std::function<void()> action = onQuit_;
    action();
}

void WindowClassInstanceControl::waitForHeir() const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(heirWaitMs_);
    const auto heirIsThere = [] {
        for (HWND window : OtherMainWindows().windows) {
            if (!isHandedOver(window)) return true;
        }
        return false;
    };
    // A short look every 20 ms: nothing tells this process when another one creates a
    // window. Messages that Windows sends to this thread's windows meanwhile (a
    // broadcast, the log-off query) are answered, so that nobody waits for them.
    while (!heirIsThere() && std::chrono::steady_clock::now() < deadline) {
        MsgWaitForMultipleObjectsEx(0, nullptr, 20, QS_SENDMESSAGE, 0);
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace solvane::windows
