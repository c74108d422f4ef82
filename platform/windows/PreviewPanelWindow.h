#pragma once
#include "platform/windows/DialogPaintedWindows.h"

namespace solvane {
class TfrmConfig;
}

namespace solvane::windows {

// The preview on the Font & Color page (Panel2): the backdrop in the background colour
// and the text's layers, each label at its place in its font and colour, drawn with the
// same layer order as the affirmation window. Text beyond the panel is clipped.
class PreviewPanelWindow final : public PaintedWindow {
public:
    // The panel's own colour, where the backdrop is hidden: green (red 0, green 128, blue 0).
    static constexpr COLORREF PanelColour = RGB(0, 128, 0);

    explicit PreviewPanelWindow(const TfrmConfig& model) : model_(model) {}

protected:
    void paint(HDC target, const RECT& client) override;

private:
    const TfrmConfig& model_;
};

}  // namespace solvane::windows
