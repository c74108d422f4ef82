#pragma once
#include <windows.h>

#include <string_view>

namespace solvane::windows {

// Every window of the settings dialog keeps its control's own name as its identity:
// the name stands for one control id, which the window carries (GetDlgCtrlID), so
// that the code and the tests find a control by the name the program gives it.
// The ids start above IDOK and IDCANCEL, which the dialog manager sends for Enter
// and Escape and which must not be mistaken for a control.
int dialogControlId(std::string_view name);
// The name of a control id; empty for an id of no named control.
std::string_view dialogControlName(int id);

// The window of the named control among the descendants of `dialog`; nullptr when
// there is none.
HWND findDialogControl(HWND dialog, std::string_view name);

}  // namespace solvane::windows
