#pragma once
#include <memory>

#include "platform/Geometry.h"
#include "platform/windows/DialogControls.h"
#include "platform/windows/DialogPageView.h"
#include "platform/windows/DialogPaintedWindows.h"
#include "platform/windows/PreviewPanelWindow.h"

namespace solvane {
class Button;
class CheckBox;
class Shape;
}  // namespace solvane

namespace solvane::windows {

// The Font & Color page: the preview, the font row and the three colour rows.
class FontColourPageView final : public DialogPageView {
public:
    FontColourPageView(HWND dialog, TfrmConfig& model, int dpi, const DialogFonts& fonts);
    ~FontColourPageView() override;
    void refresh() override;

    // Screen position for the font chooser's top-left corner: just inside the Font
    // group, level with the top of its "Choose font..." button.
    Point fontChooserPosition() const;

private:
    // One colour row: chooser button, swatch on its silver box, and two check boxes.
    struct ColourRow {
        HWND button = nullptr;
        std::unique_ptr<ColourBoxWindow> swatch;
        std::unique_ptr<ColourBoxWindow> silver;
        HWND random = nullptr;
        HWND fourth = nullptr;
    };
    ColourRow addColourRow(int y, const char* button, const char* silver, const char* swatch, const char* random,
                           const char* fourth, Button& model, CheckBox& randomBox, CheckBox& fourthBox);
    void syncColourRow(const ColourRow& row, const Button& button, const Shape& swatch, const CheckBox& random,
                       const CheckBox& fourth);

    TfrmConfig& model_;
    HWND previewGroup_ = nullptr;
    std::unique_ptr<PreviewPanelWindow> panel2_;
    HWND fontGroup_ = nullptr;
    HWND button6_ = nullptr;
    HWND edit6_ = nullptr;
    std::unique_ptr<EditBinding> edit6Binding_;
    HWND cbZSchriftart_ = nullptr;
    HWND cbZSize_ = nullptr;
    HWND coloursGroup_ = nullptr;
    ColourRow text_;
    ColourRow contour_;
    ColourRow background_;
};

}  // namespace solvane::windows
