#include "platform/windows/LayeredHintWindow.h"

#include "display/TfrmHint.h"

namespace solvane::windows {

namespace {

// Tools find the affirmation window by its title and its class.
constexpr Win32Window::Kind HintWindowKind{L"TfrmHint", L"TfrmHint", WS_POPUP,
                                           WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED};

// Posted to the window to draw the model once, however often it changed meanwhile.
constexpr UINT RefreshMessage = WM_APP + 1;

// Whether the system blends a layered window's pixels with what lies beneath it.
// Windows always does. Wine does only under a compositing manager, which a Windows
// program cannot ask about; without one it shapes the window to its pixels of alpha
// above 0 and shows their colours as they are, so a ground of alpha 1 would show as a
// black box. Wine is told by the function its ntdll exports for that purpose.
bool systemBlendsLayeredWindows() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return !ntdll || !GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace

LayeredHintWindow::LayeredHintWindow(TfrmHint& model)
    : model_(model),
      renderer_(systemBlendsLayeredWindows() ? ClearPixel : UnblendedClearPixel),
      window_(HintWindowKind, model.bounds,
              [this](UINT message, WPARAM wParam, LPARAM lParam) { return handle(message, wParam, lParam); }) {
    model_.notifier.setListener([this] { queueRefresh(); });
}

LayeredHintWindow::~LayeredHintWindow() { model_.notifier.setListener({}); }

void LayeredHintWindow::show() {
    if (presentPending_ || refreshQueued_) {
        refreshQueued_ = false;
        present();
    }
    ShowWindow(handle(), SW_SHOWNOACTIVATE);
    makeTopmost();
}

void LayeredHintWindow::hide() { ShowWindow(handle(), SW_HIDE); }

void LayeredHintWindow::makeTopmost() {
    SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void LayeredHintWindow::refresh() {
    refreshQueued_ = false;
    // A hidden window's model may change again before it shows; it is drawn then.
    if (IsWindowVisible(handle())) {
        present();
    } else {
        presentPending_ = true;
    }
}

void LayeredHintWindow::queueRefresh() {
    if (refreshQueued_) return;
    refreshQueued_ = PostMessageW(handle(), RefreshMessage, 0, 0) != 0;
}

void LayeredHintWindow::present() {
    presentPending_ = false;
    const HintRenderer::Result result = renderer_.render(sceneOf(model_));
    if (result == HintRenderer::Result::Failed) return;
    const Rect bounds = model_.bounds;
    if (result == HintRenderer::Result::Unchanged && presentedBounds_ == bounds) return;
    POINT position{bounds.left, bounds.top};
    SIZE size{renderer_.size().width, renderer_.size().height};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (UpdateLayeredWindow(handle(), nullptr, &position, &size, renderer_.dc(), &origin, 0, &blend, ULW_ALPHA)) {
        presentedBounds_ = bounds;
    } else {
        presentedBounds_.reset();
    }
}

std::optional<LRESULT> LayeredHintWindow::handle(UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        // A click must leave the foreground and the focus where they are.
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
        return 0;
    case WM_LBUTTONUP:
        model_.Label1.userClick();
        return 0;
    case RefreshMessage:
        if (refreshQueued_) refresh();
        return 0;
    default:
        return std::nullopt;
    }
}

}  // namespace solvane::windows
