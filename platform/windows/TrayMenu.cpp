#include "platform/windows/TrayMenu.h"

#include <string>

#include "app/TfrmSlv17k30Main.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

// The command of the item at `index`: numbers from 1, as 0 means that nothing was chosen.
UINT commandOf(std::size_t index) { return static_cast<UINT>(index + 1); }

}  // namespace

TrayMenu::TrayMenu(TfrmSlv17k30Main& main)
    : main_(main),
      items_{&main.StartStopp1, &main.N1, &main.Affirmationen1, &main.FarbeSchrift1,
             &main.Anzeige1,    &main.N3, &main.Hilfe1,         &main.OnlineTutorials1,
             &main.About1,      &main.N2, &main.Verstecken1,    &main.Beenden1},
      menu_(CreatePopupMenu()) {
    rebuild();
}

TrayMenu::~TrayMenu() {
    if (menu_) DestroyMenu(menu_);
}

void TrayMenu::rebuild() {
    if (!menu_) return;
    while (GetMenuItemCount(menu_) > 0) DeleteMenu(menu_, 0, MF_BYPOSITION);
    UINT position = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const MenuItem& item = *items_[i];
        if (!item.visible()) continue;
        // Win32 menu texts follow the caption convention too.
        std::wstring caption = toWide(item.caption());
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
        info.wID = commandOf(i);
        if (item.isSeparator()) {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = caption.data();
        }
        info.fState = item.enabled() ? MFS_ENABLED : MFS_GRAYED;
        InsertMenuItemW(menu_, position++, TRUE, &info);
    }
}

MenuItem* TrayMenu::item(UINT command) const {
    if (command == 0 || command > items_.size()) return nullptr;
    return items_[command - 1];
}

UINT TrayMenu::trackFlags() const {
    // The chosen command is returned rather than sent; the menu is mirrored whole (the
    // texts at the right, opening to the left of the point) for a language read from
    // the right.
    const UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON;
    return main_.rightToLeft() ? flags | TPM_LAYOUTRTL : flags;
}

MenuItem* TrayMenu::track(HWND owner, Point at) {
    if (!menu_) return nullptr;
    const BOOL command = TrackPopupMenu(menu_, trackFlags(), at.x, at.y, 0, owner, nullptr);
    return command > 0 ? item(static_cast<UINT>(command)) : nullptr;
}

}  // namespace solvane::windows
