#pragma once
#include "platform/WindowSystem.h"

namespace solvane::windows {

// Stands in for the settings dialog's window until the Windows program has one of its
// own. The dialog's model is created, loaded and used as everywhere, but showing it
// opens nothing: no window appears, it is never in the foreground, its frame is
// empty, and the font and colour choosers return nothing, as if cancelled.
class PendingDialogView final : public platform::DialogView {
public:
    void show() override {}
    void hide() override {}
    bool isForeground() override { return false; }
    void bringToFront() override {}
    Rect frame() override { return {}; }
    void refresh() override {}
    std::optional<FontSpec> chooseFont(const FontSpec&, Point, const std::function<void(const FontSpec&)>&) override {
        return std::nullopt;
    }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
    Point fontChooserPosition() override { return {}; }
};

}  // namespace solvane::windows
