#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/FontSpec.h"
#include "platform/Geometry.h"

namespace solvane {
class TfrmSlv17k30Main;
class TfrmHint;
class TfrmConfig;
}  // namespace solvane

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
    // A showing starts: the window is about to be composed and shown. Only for
    // measuring how long a showing takes to reach the screen.
    virtual void showingStarts() {}
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

    // The platform's font chooser, modal, over the dialog: the font preselected,
    // scalable fonts only, sizes 5 to 500, no effects, with an Apply button. Its
    // top-left corner goes to `topLeft`. Returns the font on OK, nothing on Cancel;
    // each press of Apply hands the chooser's current font to `onApply`.
    virtual std::optional<FontSpec> chooseFont(const FontSpec& initial, Point topLeft,
                                               const std::function<void(const FontSpec&)>& onApply) = 0;
    // The platform's colour chooser, modal, with the colour preselected; nothing on Cancel.
    virtual std::optional<Colour> chooseColour(Colour initial) = 0;
    // Where the font chooser's top-left corner goes: just inside the Font group,
    // level with the top of its button, so that the preview stays in sight.
    virtual Point fontChooserPosition() = 0;
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
