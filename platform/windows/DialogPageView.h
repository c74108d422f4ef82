#pragma once
#include "platform/windows/DialogHostWindow.h"

namespace solvane {
class TfrmConfig;
}

namespace solvane::windows {

// One page of the settings dialog: a window over the tab control's display area that
// holds the page's controls, shows TfrmConfig's models and hands the user's actions
// to them. It has no rules of its own.
class DialogPageView : public DialogHostWindow {
public:
    // Shows the models (captions, states, texts, places that follow captions).
    virtual void refresh() = 0;

protected:
    // The page's window on the dialog, carrying the id of `name`. A page that keeps its
    // drawing left to right in a mirrored dialog (the picture pages: their click areas
    // lie over the pictures' own places) turns the mirroring off for its content.
    DialogPageView(HWND dialog, const char* name, int dpi, const DialogFonts& fonts, bool keepsLeftToRight = false);

    // Standard controls of the page, at their design bounds.
    HWND addGroupBox(const char* name, Rect design);
    HWND addLabel(const char* name, Point design);      // as wide as its caption
    HWND addFixedLabel(const char* name, Rect design);  // of a fixed size
    HWND addCheckBox(const char* name, Rect design);
    // A check box whose caption goes on to a second line where one is not enough. It
    // is two lines high, centred where a one-line box of `design` would be, so that a
    // caption of one line shows exactly as in a one-line box.
    HWND addWrappingCheckBox(const char* name, Rect design);
    HWND addPushButton(const char* name, Rect design);
    HWND addEdit(const char* name, Rect design, DWORD style = 0);
    HWND addTrackBar(const char* name, Rect design);
    // Groups lie beneath their controls: they are drawn first and never over them.
    void sendGroupsToTheBack();
    // An auto-sized label takes the size of its caption.
    void fitLabel(HWND label);
    // Moves `control` right when `before` (on its row) reaches into it: at least `gap`
    // design pixels after `before`, never left of its design place.
    void placeAfter(HWND control, HWND before, int designLeft, int gap);

private:
    std::vector<HWND> groups_;
};

}  // namespace solvane::windows
