#include "platform/windows/DialogPaintedWindows.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/windows/DialogControlNames.h"
#include "platform/windows/DialogHostWindow.h"
#include "platform/windows/DialogMetrics.h"

namespace solvane::windows {

namespace {

constexpr wchar_t PaintedWindowClass[] = L"SolvanePaintedWindow";

void registerPaintedClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), PaintedWindowClass, &windowClass)) return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // No background: what a window does not paint stays as what lies beneath it.
    windowClass.hbrBackground = nullptr;
    windowClass.lpszClassName = PaintedWindowClass;
    RegisterClassExW(&windowClass);
}

}  // namespace

PaintedWindow::~PaintedWindow() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void PaintedWindow::create(DialogHostWindow& host, std::string_view name, Rect design, DWORD extraStyle) {
    registerPaintedClass(windowProcedure);
    window_ = CreateWindowExW(0, PaintedWindowClass, L"", WS_CHILD | WS_VISIBLE | extraStyle, 0, 0, 0, 0, host.handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(dialogControlId(name))),
                              GetModuleHandleW(nullptr), this);
    host.place(window_, design);
}

void PaintedWindow::setClickAction(std::function<void()> action, Clicks clicks) {
    clickAction_ = std::move(action);
    clicks_ = clicks;
}

void PaintedWindow::invalidate() {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void PaintedWindow::released(LPARAM at) {
    RECT client;
    GetClientRect(window_, &client);
    const POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (clickAction_ && PtInRect(&client, point)) {
        // A copy: the action may replace it.
        const std::function<void()> action = clickAction_;
        action();
    }
}

LRESULT PaintedWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT painting;
        const HDC dc = BeginPaint(window_, &painting);
        RECT client;
        GetClientRect(window_, &client);
        paint(dc, client);
        EndPaint(window_, &painting);
        return 0;
    }
    case WM_SETCURSOR:
        if (clickAction_ && clicks_ == Clicks::Left && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        if (clickAction_) SetCapture(window_);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window_) ReleaseCapture();
        released(lParam);
        return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (clicks_ == Clicks::AnyButton) released(lParam);
        break;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK PaintedWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* painted = static_cast<PaintedWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        painted->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(painted));
    }
    auto* painted = reinterpret_cast<PaintedWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!painted) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return painted->dispatch(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void ColourBoxWindow::setColour(COLORREF colour) {
    if (colour_ == colour) return;
    colour_ = colour;
    invalidate();
}

void ColourBoxWindow::paint(HDC dc, const RECT& client) {
    const HBRUSH brush = CreateSolidBrush(colour_);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

void WhiteBoxWindow::paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT inside = client;
    InflateRect(&inside, -1, -1);
    FillRect(dc, &inside, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void PictureWindow::setPicture(UniqueBitmap picture) {
    picture_ = std::move(picture);
    invalidate();
}

void PictureWindow::paint(HDC dc, const RECT& client) {
    if (!picture_) {
        if (blank_) {
            const HBRUSH brush = CreateSolidBrush(*blank_);
            FillRect(dc, &client, brush);
            DeleteObject(brush);
        }
        return;
    }
    BITMAP size{};
    GetObjectW(picture_.get(), sizeof(size), &size);
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(source, picture_.get());
    // The picture's own pixels, one to one at 100 %, as it was drawn for the page; at
    // another DPI it grows with the page, so that the click areas stay over their places.
    const int dpi = windowDpi(handle());
    const int width = scaledToDpi(size.bmWidth, dpi);
    const int height = scaledToDpi(size.bmHeight, dpi);
    if (width == size.bmWidth && height == size.bmHeight) {
        BitBlt(dc, 0, 0, std::min<LONG>(width, client.right), std::min<LONG>(height, client.bottom), source, 0, 0,
               SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, width, height, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    }
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace solvane::windows
