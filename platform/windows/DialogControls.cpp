#include "platform/windows/DialogControls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "app/controls/CheckBox.h"
#include "app/controls/EditField.h"
#include "app/controls/Label.h"
#include "app/controls/SimpleControls.h"
#include "app/controls/TrackBar.h"
#include "platform/windows/DialogHostWindow.h"
#include "platform/windows/DialogMessages.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

constexpr UINT_PTR MouseUpSubclass = 1;
constexpr UINT_PTR EditSubclass = 2;
constexpr UINT_PTR LinkSubclass = 3;

std::wstring windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(std::max(0, length)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(0, copied)));
    return text;
}

// The model counts characters (code points); an edit control counts UTF-16 units.
int utf16Offset(const std::wstring& text, int characters) {
    std::size_t offset = 0;
    for (int counted = 0; counted < characters && offset < text.size(); ++counted) {
        const bool pair = IS_HIGH_SURROGATE(text[offset]) && offset + 1 < text.size();
        offset += pair ? 2 : 1;
    }
    return static_cast<int>(offset);
}

LRESULT CALLBACK mouseUpSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* action = reinterpret_cast<std::function<void()>*>(data);
    switch (message) {
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        // The button first comes up again; the action may open a modal chooser.
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        RECT client;
        GetClientRect(window, &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (PtInRect(&client, at)) (*action)();
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, mouseUpSubclass, MouseUpSubclass);
        delete action;
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK linkSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* action = reinterpret_cast<std::function<void()>*>(data);
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_LBUTTONDOWN:
        SetCapture(window);
        return 0;
    case WM_LBUTTONUP: {
        if (GetCapture() != window) return 0;
        ReleaseCapture();
        RECT client;
        GetClientRect(window, &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (PtInRect(&client, at)) (*action)();
        return 0;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, linkSubclass, LinkSubclass);
        delete action;
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void bindLinkLabel(HWND control, std::function<void()> action) {
    SetWindowSubclass(control, linkSubclass, LinkSubclass,
                      reinterpret_cast<DWORD_PTR>(new std::function<void()>(std::move(action))));
}

void showCaption(HWND control, const std::string& caption) {
    const std::wstring text = toWide(caption);
    if (windowText(control) != text) SetWindowTextW(control, text.c_str());
}

void syncControl(HWND control, const Control& model) {
    if ((IsWindowEnabled(control) != FALSE) != model.enabled()) EnableWindow(control, model.enabled() ? TRUE : FALSE);
    const bool shown = (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != model.visible()) ShowWindow(control, model.visible() ? SW_SHOWNA : SW_HIDE);
}

void syncLabel(HWND control, const Label& label) {
    showCaption(control, label.caption());
    syncControl(control, label);
}

void bindCheckBox(DialogHostWindow& host, HWND control, CheckBox& box) {
    host.onCommand(control, [control, &box](WORD notification) {
        if (notification != BN_CLICKED) return;
        box.userClick();
        syncCheckBox(control, box);
    });
}

void syncCheckBox(HWND control, const CheckBox& box) {
    showCaption(control, box.caption);
    const WPARAM state = box.checked() ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(control, BM_GETCHECK, 0, 0)) != state)
        SendMessageW(control, BM_SETCHECK, state, 0);
    syncControl(control, box);
}

void bindPushButton(DialogHostWindow& host, HWND control, Button& button) {
    host.onCommand(control, [&button](WORD notification) {
        if (notification == BN_CLICKED) button.userClick();
    });
}

void syncPushButton(HWND control, const Button& button) {
    showCaption(control, button.caption);
    syncControl(control, button);
}

void bindMouseUpButton(HWND control, std::function<void()> action) {
    SetWindowSubclass(control, mouseUpSubclass, MouseUpSubclass,
                      reinterpret_cast<DWORD_PTR>(new std::function<void()>(std::move(action))));
}

void bindTrackBar(DialogHostWindow& host, HWND control, TrackBar& bar) {
    SendMessageW(control, TBM_SETLINESIZE, 0, 1);
    SendMessageW(control, TBM_SETPAGESIZE, 0, 2);
    // Program changes (TBM_SETPOS) send no WM_HSCROLL: every one that arrives is the user's.
    host.onScroll(control, [control, &bar] {
        bar.userMove(static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0)));
        syncTrackBar(control, bar);
    });
}

void syncTrackBar(HWND control, const TrackBar& bar) {
    if (SendMessageW(control, TBM_GETRANGEMIN, 0, 0) != bar.minimum())
        SendMessageW(control, TBM_SETRANGEMIN, TRUE, bar.minimum());
    if (SendMessageW(control, TBM_GETRANGEMAX, 0, 0) != bar.maximum())
        SendMessageW(control, TBM_SETRANGEMAX, TRUE, bar.maximum());
    if (SendMessageW(control, TBM_GETPOS, 0, 0) != bar.position())
        SendMessageW(control, TBM_SETPOS, TRUE, bar.position());
    syncControl(control, bar);
}

void bindComboBox(DialogHostWindow& host, HWND control, ComboBox& list) {
    host.onCommand(control, [control, &list](WORD notification) {
        if (notification != CBN_SELCHANGE) return;
        list.userSelect(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
        syncComboBox(control, list);
    });
}

void syncComboBox(HWND control, const ComboBox& list) {
    const auto& items = list.items();
    bool same = SendMessageW(control, CB_GETCOUNT, 0, 0) == static_cast<LRESULT>(items.size());
    for (std::size_t i = 0; same && i < items.size(); ++i) {
        const auto length = SendMessageW(control, CB_GETLBTEXTLEN, i, 0);
        std::wstring shown(static_cast<std::size_t>(std::max<LRESULT>(0, length)) + 1, L'\0');
        SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(shown.data()));
        shown.resize(static_cast<std::size_t>(std::max<LRESULT>(0, length)));
        same = shown == toWide(items[i]);
    }
    if (!same) {
        SendMessageW(control, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : items)
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
    }
    if (SendMessageW(control, CB_GETCURSEL, 0, 0) != list.itemIndex())
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(list.itemIndex()), 0);
    syncControl(control, list);
}

EditBinding::EditBinding(DialogHostWindow& host, HWND control, EditField& field) : control_(control), field_(field) {
    host.onCommand(control_, [this](WORD notification) {
        if (notification == EN_CHANGE) userEdited();
    });
    SetWindowSubclass(control_, subclass, EditSubclass, reinterpret_cast<DWORD_PTR>(this));
}

EditBinding::~EditBinding() { RemoveWindowSubclass(control_, subclass, EditSubclass); }

LRESULT CALLBACK EditBinding::subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                       DWORD_PTR data) {
    auto* self = reinterpret_cast<EditBinding*>(data);
    switch (message) {
    case WM_SETFOCUS: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (keyboardMovesFocus()) {
            self->field_.userEnter();
            self->afterUserAction();
        }
        return result;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        // Only a move of the focus inside the dialog leaves the field; the dialog losing
        // the focus to another window (a chooser, another program) does not.
        const HWND next = reinterpret_cast<HWND>(wParam);
        if (next && GetAncestor(next, GA_ROOT) == GetAncestor(window, GA_ROOT)) {
            self->field_.userLeave();
            self->afterUserAction();
        }
        return result;
    }
    case WM_LBUTTONUP: {
        // The edit control first places the caret or ends its selection.
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        self->field_.userClick();
        self->afterUserAction();
        return result;
    }
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void EditBinding::userEdited() {
    if (syncing_) return;
    field_.userType(toUtf8(windowText(control_)));
    afterUserAction();
}

void EditBinding::afterUserAction() {
    syncing_ = true;
    showText();
    if (field_.selectionLength() > 0) showSelection();
    syncControl(control_, field_);
    syncing_ = false;
}

void EditBinding::sync() {
    syncing_ = true;
    showText();
    // A selection only shows in the field that has the focus; entering a field by Tab
    // or by a click selects its text anyway.
    const int start = field_.selectionStart();
    const int length = field_.selectionLength();
    if ((start != shownStart_ || length != shownLength_) && length > 0 && GetFocus() == control_) showSelection();
    shownStart_ = start;
    shownLength_ = length;
    syncControl(control_, field_);
    syncing_ = false;
}

void EditBinding::showText() {
    const std::wstring text = toWide(field_.text());
    // Room for a longer text the program set; the model itself cuts what the user types.
    const auto limit = field_.maxLength > 0
                           ? std::max<std::size_t>(static_cast<std::size_t>(field_.maxLength), text.size())
                           : std::size_t{0};
    SendMessageW(control_, EM_SETLIMITTEXT, limit, 0);
    if (windowText(control_) != text) {
        SetWindowTextW(control_, text.c_str());
        // The caret after the text, as after typing it.
        SendMessageW(control_, EM_SETSEL, text.size(), text.size());
    }
    const bool readOnly = (GetWindowLongPtrW(control_, GWL_STYLE) & ES_READONLY) != 0;
    if (readOnly != field_.readOnly) SendMessageW(control_, EM_SETREADONLY, field_.readOnly ? TRUE : FALSE, 0);
}

void EditBinding::showSelection() {
    const std::wstring text = windowText(control_);
    const int start = utf16Offset(text, field_.selectionStart());
    const int end = utf16Offset(text, field_.selectionStart() + field_.selectionLength());
    SendMessageW(control_, EM_SETSEL, static_cast<WPARAM>(start), end);
    shownStart_ = field_.selectionStart();
    shownLength_ = field_.selectionLength();
}

}  // namespace solvane::windows
