#include "platform/windows/DialogPageView.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/windows/DialogMetrics.h"

namespace solvane::windows {

namespace {

// Every control that takes the focus is a group of its own, so that the arrow keys
// move nothing but the control that has the focus, as on the other systems.
constexpr DWORD Focusable = WS_TABSTOP | WS_GROUP;
// A label's height in design pixels: one line of the interface font.
constexpr int LabelHeight = 13;

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

DialogPageView::DialogPageView(HWND dialog, const char* name, int dpi, const DialogFonts& fonts, bool keepsLeftToRight)
    : DialogHostWindow(dpi, fonts) {
    // Not WS_CLIPCHILDREN: a group box draws only its frame and caption, so the page
    // must erase the ground inside it; clipped, that ground kept whatever the screen
    // showed before (black at the first show, the previous page after a turn).
    createWindow(dialog, name, L"", WS_CHILD, WS_EX_CONTROLPARENT);
    if (keepsLeftToRight) {
        // Children take the page's direction when they are made.
        const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_EXSTYLE);
        SetWindowLongPtrW(handle(), GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYOUTRTL));
    }
}

HWND DialogPageView::addGroupBox(const char* name, Rect design) {
    const HWND group = addControl(L"BUTTON", name, WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, design);
    groups_.push_back(group);
    return group;
}

HWND DialogPageView::addLabel(const char* name, Point design) {
    return addControl(L"STATIC", name, WS_VISIBLE | SS_LEFT, {design.x, design.y, 0, LabelHeight});
}

HWND DialogPageView::addFixedLabel(const char* name, Rect design) {
    return addControl(L"STATIC", name, WS_VISIBLE | SS_LEFT, design);
}

HWND DialogPageView::addCheckBox(const char* name, Rect design) {
    return addControl(L"BUTTON", name, WS_VISIBLE | Focusable | BS_CHECKBOX, design);
}

HWND DialogPageView::addWrappingCheckBox(const char* name, Rect design) {
    constexpr int TwoLines = 2 * LabelHeight + 2;
    const Rect twoLines{design.left, design.top - (TwoLines - design.height) / 2, design.width, TwoLines};
    return addControl(L"BUTTON", name, WS_VISIBLE | Focusable | BS_CHECKBOX | BS_MULTILINE | BS_VCENTER, twoLines);
}

HWND DialogPageView::addPushButton(const char* name, Rect design) {
    return addControl(L"BUTTON", name, WS_VISIBLE | Focusable | BS_PUSHBUTTON, design);
}

HWND DialogPageView::addEdit(const char* name, Rect design, DWORD style) {
    return addControl(L"EDIT", name, WS_VISIBLE | Focusable | ES_AUTOHSCROLL | style, design, WS_EX_CLIENTEDGE);
}

HWND DialogPageView::addTrackBar(const char* name, Rect design) {
    return addControl(TRACKBAR_CLASSW, name, WS_VISIBLE | Focusable | TBS_HORZ | TBS_NOTICKS, design);
}

void DialogPageView::sendGroupsToTheBack() {
    for (const HWND group : groups_)
        SetWindowPos(group, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void DialogPageView::fitLabel(HWND label) {
    const SIZE text = captionSize(fonts().normal, windowText(label));
    resize(label, text.cx, std::max<int>(text.cy, scaled(LabelHeight)));
}

void DialogPageView::placeAfter(HWND control, HWND before, int designLeft, int gap) {
    moveLeftEdge(control, std::max<int>(scaled(designLeft), boundsOf(before).right + scaled(gap)));
}

}  // namespace solvane::windows
