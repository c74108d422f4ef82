#pragma once
#include <windows.h>

#include <array>

#include "platform/Geometry.h"

namespace solvane {
class MenuItem;
class TfrmSlv17k30Main;
}  // namespace solvane

namespace solvane::windows {

// The tray menu as a Win32 popup menu, built from the main window's twelve items in
// their order: each item's caption ("&" marks the access key, "&&" is one "&"), the
// separators, the disabled items greyed; an item that is not visible is left out, as
// a Win32 menu cannot hide one. For a right-to-left language it opens mirrored.
class TrayMenu {
public:
    static constexpr std::size_t ItemCount = 12;

    explicit TrayMenu(TfrmSlv17k30Main& main);
    ~TrayMenu();
    TrayMenu(const TrayMenu&) = delete;
    TrayMenu& operator=(const TrayMenu&) = delete;

    // Builds the menu anew from the items as they are now.
    void rebuild();
    HMENU handle() const { return menu_; }
    // The item that a command of this menu stands for; nothing for any other number.
    MenuItem* item(UINT command) const;
    // Opens the menu at the screen position for `owner` and waits until it closes;
    // returns the item chosen, or nothing.
    MenuItem* track(HWND owner, Point at);
    // The flags it is opened with.
    UINT trackFlags() const;

private:
    TfrmSlv17k30Main& main_;
    std::array<MenuItem*, ItemCount> items_;
    HMENU menu_;
};

}  // namespace solvane::windows
