#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace solvane {
class Button;
class CheckBox;
class ComboBox;
class Control;
class EditField;
class Label;
class TrackBar;
}  // namespace solvane

namespace solvane::windows {

class DialogHostWindow;

// The glue between the dialog's control models and their Win32 controls. A bind
// function hands the user's actions on a control to its model; a sync function makes
// the control show the model. Setting a control's state from the program sends no
// notification (BM_SETCHECK, TBM_SETPOS, CB_SETCURSEL), so nothing comes back to the
// model; the edit fields ignore the change their own sync makes.

// The control's caption, when it differs from the one shown.
void showCaption(HWND control, const std::string& caption);
void syncControl(HWND control, const Control& model);  // enabled and visible
void syncLabel(HWND control, const Label& label);

// A check box that the model ticks: Windows does not toggle it by itself.
void bindCheckBox(DialogHostWindow& host, HWND control, CheckBox& box);
void syncCheckBox(HWND control, const CheckBox& box);

void bindPushButton(DialogHostWindow& host, HWND control, Button& button);
void syncPushButton(HWND control, const Button& button);

// A button that acts when any mouse button is released over it; a key press on it
// does nothing.
void bindMouseUpButton(HWND control, std::function<void()> action);

// A label that opens a web page: the hand cursor over it, and a left click (released
// over it) runs the action. The label needs SS_NOTIFY to get the mouse at all.
void bindLinkLabel(HWND control, std::function<void()> action);

// Horizontal, without tick marks; the arrow keys move by 1, the page keys by 2.
void bindTrackBar(DialogHostWindow& host, HWND control, TrackBar& bar);
void syncTrackBar(HWND control, const TrackBar& bar);

void bindComboBox(DialogHostWindow& host, HWND control, ComboBox& list);
void syncComboBox(HWND control, const ComboBox& list);

// An edit field: typing goes to userType, the focus moving to another control of the
// dialog to userLeave, a left click to userClick, entering it with the keyboard (Tab,
// an access key) to userEnter. After each of the user's actions the field shows the
// model's text at once, so that a rejected entry is replaced while the user types, and
// the selection the model made.
class EditBinding {
public:
    EditBinding(DialogHostWindow& host, HWND control, EditField& field);
    ~EditBinding();
    EditBinding(const EditBinding&) = delete;
    EditBinding& operator=(const EditBinding&) = delete;

    HWND control() const { return control_; }
    void sync();

private:
    static LRESULT CALLBACK subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data);
    void userEdited();
    void afterUserAction();
    void showText();
    void showSelection();

    HWND control_;
    EditField& field_;
    bool syncing_ = false;
    int shownStart_ = 0;
    int shownLength_ = 0;
};

}  // namespace solvane::windows
