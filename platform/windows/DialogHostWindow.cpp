#include "platform/windows/DialogHostWindow.h"

#include <algorithm>

#include "platform/windows/DialogControlNames.h"
#include "platform/windows/DialogMetrics.h"

namespace solvane::windows {

namespace {

constexpr wchar_t PageWindowClass[] = L"SolvaneDialogPage";

void registerClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &windowClass)) return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

}  // namespace

DialogHostWindow::~DialogHostWindow() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
}

void DialogHostWindow::createWindow(HWND parent, std::string_view name, const std::wstring& title, DWORD style,
                                    DWORD exStyle) {
    const wchar_t* windowClass = parent ? PageWindowClass : DialogWindowClass;
    registerClass(windowClass, windowProcedure);
    const auto id = parent ? static_cast<INT_PTR>(dialogControlId(name)) : INT_PTR{0};
    window_ = CreateWindowExW(exStyle, windowClass, title.c_str(), style, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), this);
}

HWND DialogHostWindow::addControl(const wchar_t* windowClass, std::string_view name, DWORD style, Rect design,
                                  DWORD exStyle, bool underlined) {
    const HWND control = CreateWindowExW(exStyle, windowClass, L"", style | WS_CHILD, 0, 0, 0, 0, window_,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(dialogControlId(name))),
                                         GetModuleHandleW(nullptr), nullptr);
    place(control, design, underlined);
    return control;
}

void DialogHostWindow::place(HWND child, Rect design, bool underlined) {
    if (!child) return;
    Placement* known = placement(child);
    if (!known) {
        placements_.push_back({child, design, underlined, {}});
        known = &placements_.back();
    }
    known->design = design;
    known->underlined = underlined;
    apply(*known);
}

void DialogHostWindow::apply(Placement& placement) {
    placement.current = scaledToDpi(placement.design, dpi_);
    const RECT& at = placement.current;
    SetWindowPos(placement.child, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const HFONT font = placement.underlined ? fonts_.underlined : fonts_.normal;
    if (font) SendMessageW(placement.child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // A new font gives an edit field margins from the font's widths; the number fields
    // were designed for two digits in 19 pixels, which only a one-pixel margin leaves room for.
    wchar_t kind[8] = {};
    GetClassNameW(placement.child, kind, 8);
    if (lstrcmpiW(kind, L"Edit") == 0) {
        const WORD margin = static_cast<WORD>(scaledToDpi(1, dpi_));
        SendMessageW(placement.child, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(margin, margin));
    }
}

void DialogHostWindow::moveLeftEdge(HWND child, int left) {
    Placement* known = placement(child);
    if (!known || known->current.left == left) return;
    const int width = known->current.right - known->current.left;
    known->current.left = left;
    known->current.right = left + width;
    SetWindowPos(child, nullptr, left, known->current.top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

void DialogHostWindow::resize(HWND child, int width, int height) {
    Placement* known = placement(child);
    if (!known) return;
    if (known->current.right - known->current.left == width && known->current.bottom - known->current.top == height)
        return;
    known->current.right = known->current.left + width;
    known->current.bottom = known->current.top + height;
    SetWindowPos(child, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

RECT DialogHostWindow::boundsOf(HWND child) const {
    for (const Placement& known : placements_) {
        if (known.child == child) return known.current;
    }
    return RECT{};
}

int DialogHostWindow::scaled(int designPixels) const { return scaledToDpi(designPixels, dpi_); }

void DialogHostWindow::relayout(int dpi, const DialogFonts& fonts) {
    dpi_ = dpi;
    fonts_ = fonts;
    for (Placement& known : placements_) apply(known);
}

void DialogHostWindow::setColours(HWND control, COLORREF text, COLORREF background) {
    colours_[control] = Colours{text, background};
    brush(background);
}

DialogHostWindow::Placement* DialogHostWindow::placement(HWND child) {
    const auto found =
        std::find_if(placements_.begin(), placements_.end(), [child](const Placement& p) { return p.child == child; });
    return found == placements_.end() ? nullptr : &*found;
}

HBRUSH DialogHostWindow::brush(COLORREF colour) {
    auto& made = brushes_[colour];
    if (!made) made = CreateSolidBrush(colour);
    return made;
}

std::optional<LRESULT> DialogHostWindow::handleMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

LRESULT DialogHostWindow::controlColours(HDC dc, HWND control) {
    const auto own = colours_.find(control);
    if (own != colours_.end()) {
        SetTextColor(dc, own->second.text);
        SetBkColor(dc, own->second.background);
        return reinterpret_cast<LRESULT>(brush(own->second.background));
    }
    // Labels and check boxes draw only their glyphs over the page.
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT DialogHostWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = handleMessage(message, wParam, lParam)) return *handled;
    switch (message) {
    case WM_COMMAND: {
        const auto handler = commands_.find(reinterpret_cast<HWND>(lParam));
        if (lParam != 0 && handler != commands_.end()) {
            // A copy: the handler may replace the handlers while it runs.
            const CommandHandler run = handler->second;
            run(HIWORD(wParam));
            return 0;
        }
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
        const auto handler = scrolls_.find(reinterpret_cast<HWND>(lParam));
        if (lParam != 0 && handler != scrolls_.end()) {
            const std::function<void()> run = handler->second;
            run();
            return 0;
        }
        break;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        const auto handler = notifies_.find(header->hwndFrom);
        if (handler != notifies_.end()) {
            const std::function<void(NMHDR&)> run = handler->second;
            run(*header);
            return 0;
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return controlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK DialogHostWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* host = static_cast<DialogHostWindow*>(created->lpCreateParams);
        host->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
    }
    auto* host = reinterpret_cast<DialogHostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!host) return DefWindowProcW(window, message, wParam, lParam);
    // Nothing may unwind through Windows' own frames; the model reports the errors of
    // its handlers itself, so what arrives here is the view's own failure, and the
    // message is left to Windows' default handling.
    try {
        return host->dispatch(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace solvane::windows
