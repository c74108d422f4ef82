#pragma once
#include <windows.h>

namespace solvane::windows {

// The settings dialog's keyboard: Tab and Shift+Tab move between its controls, the
// access keys of its captions reach their controls, Escape cancels it, Ctrl+Tab and
// Ctrl+Shift+Tab turn its pages. The event loop hands every message to this before it
// translates and dispatches it; true means the message was the dialog's and has been
// handled (dispatched included), so the loop must not dispatch it again.
bool translateDialogMessage(MSG& message);

// True while a key of the user moves the focus from one control of the dialog to
// another (Tab, an access key): an edit field entered that way selects its text.
bool keyboardMovesFocus();

// The dialog's window that translateDialogMessage serves; one at a time (the program
// has one settings dialog). nullptr withdraws it.
void setKeyboardDialog(HWND dialog);

// Sent to the dialog for Ctrl+Tab (wParam 0) and Ctrl+Shift+Tab (wParam 1): the next
// or the previous page comes to the front.
inline constexpr UINT TurnPageMessage = WM_APP + 1;

}  // namespace solvane::windows
