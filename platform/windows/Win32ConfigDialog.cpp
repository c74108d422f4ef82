#include "platform/windows/Win32ConfigDialog.h"

#include <commctrl.h>

#include "dialog/TfrmConfig.h"
#include "platform/windows/AffirmationsPageView.h"
#include "platform/windows/DialogChoosers.h"
#include "platform/windows/DialogControlNames.h"
#include "platform/windows/DialogControls.h"
#include "platform/windows/DialogMessages.h"
#include "platform/windows/DisplayPageView.h"
#include "platform/windows/FontColourPageView.h"
#include "platform/windows/InformationPageViews.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

constexpr int PageCount = 6;
constexpr Size ClientSize{513, 401};
constexpr Rect PageControlBounds{5, 5, 502, 354};
constexpr Rect OkBounds{332, 368, 83, 25};
constexpr Rect CancelBounds{424, 368, 83, 25};
// The model changed: one refresh is on its way.
constexpr UINT RefreshMessage = WM_APP + 2;

// A fixed dialog frame with a title and no title-bar buttons (no system menu, so no
// close box either); its own taskbar entry while it is visible.
constexpr DWORD FrameStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD FrameExStyle = WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

bool isInside(HWND window, HWND container) { return window && (window == container || IsChild(container, window)); }

}  // namespace

// The dialog's own window: its close and Escape are the user's dismissal, Enter does
// nothing (the buttons are no default buttons), and the focus comes back to the
// control that had it when the dialog is activated again.
class Win32ConfigDialog::FrameWindow final : public DialogHostWindow {
public:
    FrameWindow(Win32ConfigDialog& owner, int dpi, const DialogFonts& fonts, const std::wstring& title,
                bool rightToLeft)
        : DialogHostWindow(dpi, fonts), owner_(owner) {
        createWindow(nullptr, "", title, FrameStyle, FrameExStyle | (rightToLeft ? WS_EX_LAYOUTRTL : 0));
    }

protected:
    std::optional<LRESULT> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CLOSE:
            owner_.model_.userDismiss();
            return 0;
        case WM_COMMAND:
            // What the dialog manager sends for Escape and Enter: no control has these ids.
            if (lParam == 0 && LOWORD(wParam) == IDCANCEL) {
                owner_.model_.userDismiss();
                return 0;
            }
            if (lParam == 0 && LOWORD(wParam) == IDOK) return 0;
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (isInside(focus, handle()) && focus != handle()) owner_.lastFocus_ = focus;
            } else if (!HIWORD(wParam)) {
                owner_.focusFirstControl();
            }
            return 0;
        case RefreshMessage:
            if (owner_.refreshQueued_) owner_.refresh();
            return 0;
        case TurnPageMessage:
            owner_.turnPage(wParam != 0);
            return 0;
        case WM_DPICHANGED:
            owner_.dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            break;
        }
        return std::nullopt;
    }

private:
    Win32ConfigDialog& owner_;
};

Win32ConfigDialog::Win32ConfigDialog(TfrmConfig& model, std::wstring picturesFolder)
    : model_(model), picturesFolder_(std::move(picturesFolder)) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    build();
    model_.notifier.setListener([this] { queueRefresh(); });
    refresh();
}

Win32ConfigDialog::~Win32ConfigDialog() {
    model_.notifier.setListener({});
    destroy();
}

void Win32ConfigDialog::build() {
    builtRightToLeft_ = model_.rightToLeft();
    // Made at the system's DPI first; the window's own DPI is known once it exists.
    dpi_ = fontDpi();
    font_ = createDialogFont(dpi_);
    underlinedFont_ = createDialogFont(dpi_, true);
    frame_ = std::make_unique<FrameWindow>(*this, dpi_, DialogFonts{font_.get(), underlinedFont_.get()},
                                           toWide(model_.caption), builtRightToLeft_);
    const int windowDpiNow = windowDpi(frame_->handle());
    if (windowDpiNow != dpi_) {
        dpi_ = windowDpiNow;
        font_ = createDialogFont(dpi_);
        underlinedFont_ = createDialogFont(dpi_, true);
        frame_->relayout(dpi_, DialogFonts{font_.get(), underlinedFont_.get()});
    }
    const DialogFonts fonts{font_.get(), underlinedFont_.get()};
    const HWND dialog = frame_->handle();

    // The pages first, then the buttons, then the tab control: a window's place among
    // its siblings is its place in the tab order, so Tab goes from the page's controls
    // to OK and Cancel and then to the tabs, and the tab control, lowest of all, never
    // draws over a page.
    linksPage_ = std::make_unique<LinksPageView>(dialog, model_, picturesFolder_, dpi_, fonts);
    affirmationsPage_ = std::make_unique<AffirmationsPageView>(dialog, model_, dpi_, fonts);
    fontColourPage_ = std::make_unique<FontColourPageView>(dialog, model_, dpi_, fonts);
    displayPage_ = std::make_unique<DisplayPageView>(dialog, model_, dpi_, fonts);
    aboutPage_ = std::make_unique<AboutPageView>(dialog, model_, picturesFolder_, dpi_, fonts);
    thanksPage_ = std::make_unique<ThanksPageView>(dialog, model_, picturesFolder_, dpi_, fonts);

    button9_ = frame_->addControl(L"BUTTON", "Button9", WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, OkBounds);
    bindPushButton(*frame_, button9_, model_.Button9);
    button10_ =
        frame_->addControl(L"BUTTON", "Button10", WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, CancelBounds);
    bindPushButton(*frame_, button10_, model_.Button10);

    tabs_ = frame_->addControl(WC_TABCONTROLW, "PageControl1",
                               WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS | TCS_MULTILINE, PageControlBounds);
    shownTabCaptions_.assign(PageCount, std::wstring());
    for (int page = 0; page < PageCount; ++page) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = shownTabCaptions_[static_cast<std::size_t>(page)].data();
        SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
    }
    frame_->onNotify(tabs_, [this](NMHDR& header) {
        if (header.code != TCN_SELCHANGE) return;
        const int index = static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
        if (index < 0 || index >= PageCount) return;
        showPage(index);
        model_.setActivePage(static_cast<ConfigPage>(index));
    });

    // The client area at the dialog's size, the frame around it.
    RECT outer{0, 0, scaledToDpi(ClientSize.width, dpi_), scaledToDpi(ClientSize.height, dpi_)};
    AdjustWindowRectExForDpi(&outer, FrameStyle, FALSE, FrameExStyle, static_cast<UINT>(dpi_));
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layoutPages();
    setKeyboardDialog(dialog);
}

void Win32ConfigDialog::destroy() {
    if (frame_) setKeyboardDialog(nullptr);
    lastFocus_ = nullptr;
    // The pages let go of their controls' models before any window goes.
    linksPage_.reset();
    affirmationsPage_.reset();
    fontColourPage_.reset();
    displayPage_.reset();
    aboutPage_.reset();
    thanksPage_.reset();
    frame_.reset();
    tabs_ = button9_ = button10_ = nullptr;
}

std::vector<DialogPageView*> Win32ConfigDialog::pages() const {
    return {linksPage_.get(),   affirmationsPage_.get(), fontColourPage_.get(),
            displayPage_.get(), aboutPage_.get(),        thanksPage_.get()};
}

void Win32ConfigDialog::layoutPages() {
    // The pages fill the tab control's display area, which depends on its rows of tabs.
    RECT area = frame_->boundsOf(tabs_);
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (DialogPageView* page : pages()) {
        SetWindowPos(page->handle(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HWND Win32ConfigDialog::window() const { return frame_ ? frame_->handle() : nullptr; }

HWND Win32ConfigDialog::control(std::string_view name) const { return findDialogControl(window(), name); }

void Win32ConfigDialog::queueRefresh() {
    // A hidden dialog draws nothing: the model changes at every showing (the served
    // line, the preview), and show() brings the controls up to date anyway.
    if (refreshQueued_ || !frame_ || !IsWindowVisible(frame_->handle())) return;
    refreshQueued_ = true;
    PostMessageW(frame_->handle(), RefreshMessage, 0, 0);
}

void Win32ConfigDialog::refresh() {
    refreshQueued_ = false;
    if (builtRightToLeft_ != model_.rightToLeft()) {
        // The writing direction is chosen with the language, before the dialog first
        // shows; the controls are made anew in it.
        const bool wasVisible = frame_ && IsWindowVisible(frame_->handle());
        RECT where{};
        if (wasVisible) GetWindowRect(frame_->handle(), &where);
        destroy();
        build();
        if (wasVisible) {
            SetWindowPos(frame_->handle(), nullptr, where.left, where.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ShowWindow(frame_->handle(), SW_SHOW);
        }
    }
    showCaption(frame_->handle(), model_.caption);
    bool rowsChanged = false;
    for (int page = 0; page < PageCount; ++page) {
        std::wstring& shown = shownTabCaptions_[static_cast<std::size_t>(page)];
        const std::wstring caption = toWide(model_.tabCaption[page]);
        if (shown == caption) continue;
        shown = caption;
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = shown.data();
        SendMessageW(tabs_, TCM_SETITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
        rowsChanged = true;
    }
    if (rowsChanged) layoutPages();
    showPage(static_cast<int>(model_.activePage()));
    for (DialogPageView* page : pages()) page->refresh();
    syncPushButton(button9_, model_.Button9);
    syncPushButton(button10_, model_.Button10);
}

void Win32ConfigDialog::showPage(int index) {
    if (SendMessageW(tabs_, TCM_GETCURSEL, 0, 0) != index) SendMessageW(tabs_, TCM_SETCURSEL, index, 0);
    const std::vector<DialogPageView*> all = pages();
    // The focus leaves a page that goes out of sight, for the tabs.
    for (int page = 0; page < PageCount; ++page) {
        const HWND window = all[static_cast<std::size_t>(page)]->handle();
        if (page != index && IsWindowVisible(window) && isInside(GetFocus(), window)) SetFocus(tabs_);
    }
    for (int page = 0; page < PageCount; ++page) {
        const HWND window = all[static_cast<std::size_t>(page)]->handle();
        const bool shown = (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown != (page == index)) ShowWindow(window, page == index ? SW_SHOWNA : SW_HIDE);
    }
}

void Win32ConfigDialog::turnPage(bool backwards) {
    const int current = static_cast<int>(model_.activePage());
    const int next = (current + (backwards ? PageCount - 1 : 1)) % PageCount;
    showPage(next);
    model_.setActivePage(static_cast<ConfigPage>(next));
}

void Win32ConfigDialog::show() {
    refresh();
    const HWND dialog = frame_->handle();
    if (!IsWindowVisible(dialog)) centreOnScreen();
    ShowWindow(dialog, SW_SHOW);
    bringToFront();
    if (!isInside(GetFocus(), dialog) || GetFocus() == dialog) focusFirstControl();
}

void Win32ConfigDialog::hide() {
    const HWND focus = GetFocus();
    if (frame_ && isInside(focus, frame_->handle()) && focus != frame_->handle()) lastFocus_ = focus;
    if (frame_) ShowWindow(frame_->handle(), SW_HIDE);
}

void Win32ConfigDialog::focusFirstControl() {
    const HWND dialog = frame_->handle();
    if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_) &&
        isInside(lastFocus_, dialog)) {
        SetFocus(lastFocus_);
        return;
    }
    // The first control of the page in front takes the focus.
    const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    SetFocus(first ? first : tabs_);
}

void Win32ConfigDialog::centreOnScreen() {
    // The whole window, frame included, in the middle of the work area of the monitor
    // under the mouse.
    POINT cursor{};
    GetCursorPos(&cursor);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    RECT outer{};
    GetWindowRect(frame_->handle(), &outer);
    const RECT& area = monitor.rcWork;
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(frame_->handle(), nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32ConfigDialog::dpiChanged(int dpi, const RECT& suggested) {
    // Moved to a monitor of another DPI: the fonts and every place are made anew.
    if (dpi <= 0 || dpi == dpi_) return;
    dpi_ = dpi;
    font_ = createDialogFont(dpi_);
    underlinedFont_ = createDialogFont(dpi_, true);
    const DialogFonts fonts{font_.get(), underlinedFont_.get()};
    frame_->relayout(dpi_, fonts);
    for (DialogPageView* page : pages()) page->relayout(dpi_, fonts);
    SetWindowPos(frame_->handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layoutPages();
    refresh();
}

bool Win32ConfigDialog::isForeground() { return frame_ && GetForegroundWindow() == frame_->handle(); }

void Win32ConfigDialog::bringToFront() {
    const HWND dialog = frame_->handle();
    SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // Windows lets a program take the foreground only while the user is working with it
    // (a click on its tray icon or menu); otherwise its taskbar entry flashes instead.
    SetForegroundWindow(dialog);
}

Rect Win32ConfigDialog::frame() {
    RECT outer{};
    if (!frame_ || !GetWindowRect(frame_->handle(), &outer)) return {};
    return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

std::optional<FontSpec> Win32ConfigDialog::chooseFont(const FontSpec& initial, Point topLeft,
                                                      const std::function<void(const FontSpec&)>& onApply) {
    return chooseFontWithApply(frame_->handle(), initial, topLeft, onApply);
}

std::optional<Colour> Win32ConfigDialog::chooseColour(Colour initial) {
    return chooseColourWithCustomColours(frame_->handle(), initial);
}

Point Win32ConfigDialog::fontChooserPosition() { return fontColourPage_->fontChooserPosition(); }

}  // namespace solvane::windows
