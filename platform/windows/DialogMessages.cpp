#include "platform/windows/DialogMessages.h"

namespace solvane::windows {

namespace {

HWND keyboardDialog = nullptr;
bool movingFocus = false;

bool belongsToDialog(HWND window) { return window && (window == keyboardDialog || IsChild(keyboardDialog, window)); }

// Keys with which the dialog manager moves the focus to another control.
bool movesFocus(const MSG& message) {
    return (message.message == WM_KEYDOWN && message.wParam == VK_TAB) || message.message == WM_SYSCHAR ||
           message.message == WM_CHAR;
}

}  // namespace

void setKeyboardDialog(HWND dialog) { keyboardDialog = dialog; }

bool keyboardMovesFocus() { return movingFocus; }

bool translateDialogMessage(MSG& message) {
    if (!keyboardDialog || !IsWindowVisible(keyboardDialog) || !belongsToDialog(message.hwnd)) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        SendMessageW(keyboardDialog, TurnPageMessage, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
        return true;
    }
    const bool previous = movingFocus;
    movingFocus = movesFocus(message);
    const bool handled = IsDialogMessageW(keyboardDialog, &message) != FALSE;
    movingFocus = previous;
    return handled;
}

}  // namespace solvane::windows
