#pragma once
#include <memory>
#include <string>

#include "platform/Geometry.h"

namespace solvane {
class TfrmSlv17k30Main;
class TfrmHint;
class TfrmConfig;
}

namespace solvane::platform {

// The affirmation window on screen. It renders TfrmHint's model.
class HintView {
public:
    virtual ~HintView() = default;
    // Visible, top-most, above the other windows, without taking the focus.
    virtual void show() = 0;
    virtual void hide() = 0;
    // Top-most without moving, resizing or activating.
    virtual void makeTopmost() = 0;
    // The model changed; draw it anew.
    virtual void refresh() = 0;
};

// The settings dialog on screen. It renders TfrmConfig's model.
class DialogView {
public:
    virtual ~DialogView() = default;
    // Visible and brought to the front; the program gets a taskbar entry.
    virtual void show() = 0;
    // Hidden; the taskbar entry goes.
    virtual void hide() = 0;
    virtual bool isForeground() = 0;
    virtual void bringToFront() = 0;
    // The dialog window's outer bounds on screen.
    virtual Rect frame() = 0;
    virtual void refresh() = 0;
};

enum class TrayImage { None, Running, Stopped };

// The notification-area icon and the tray menu. It renders the main window's model.
class TrayView {
public:
    virtual ~TrayView() = default;
    virtual void add(TrayImage image, const std::string& toolTip) = 0;
    virtual void modify(TrayImage image, const std::string& toolTip) = 0;
    virtual void remove() = 0;
    // Opens the tray menu at the screen position.
    virtual void popupMenu(Point at) = 0;
    // The menu items' captions changed.
    virtual void refreshMenu() = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    virtual void setApplicationTitle(const std::string& title) = 0;
    virtual std::unique_ptr<TrayView> createTrayView(TfrmSlv17k30Main& main) = 0;
    virtual std::unique_ptr<HintView> createHintView(TfrmHint& hint) = 0;
    virtual std::unique_ptr<DialogView> createDialogView(TfrmConfig& config) = 0;
};

}  // namespace solvane::platform
