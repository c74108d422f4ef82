#pragma once
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace solvane {
class Button;
class Shape;
class TfrmConfig;
}  // namespace solvane

namespace solvane::qt {

class ColourBox;
class EditBinding;
class MouseUpButton;
class PreviewPanel;

// The Font & Color page: the preview, the font row and the three colour rows.
class FontColourPageWidget : public QWidget {
public:
    explicit FontColourPageWidget(TfrmConfig& model);
    void refresh();

    // Screen position for the font chooser's top-left corner: just inside the
    // Font group, level with the top of its "Choose font..." button.
    QPoint fontChooserPosition() const;

private:
    // One colour row: chooser button, swatch on its silver box, and two check boxes.
    struct ColourRow {
        MouseUpButton* button = nullptr;
        ColourBox* silver = nullptr;
        ColourBox* swatch = nullptr;
        QCheckBox* random = nullptr;
        QCheckBox* fourth = nullptr;
    };
    QCheckBox* addCheckBox(QWidget* parent, const char* name, QRect bounds);
    ColourRow addColourRow(int y, const char* button, const char* silver, const char* swatch, const char* random,
                           const char* fourth, Button& model);
    void syncColourRow(const ColourRow& row, const Button& button, const Shape& swatch);

    TfrmConfig& model_;
    QGroupBox* previewGroup_ = nullptr;
    PreviewPanel* panel2_ = nullptr;
    QGroupBox* fontGroup_ = nullptr;
    QPushButton* button6_ = nullptr;
    QLineEdit* edit6_ = nullptr;
    EditBinding* edit6Binding_ = nullptr;
    QCheckBox* cbZSchriftart_ = nullptr;
    QCheckBox* cbZSize_ = nullptr;
    QGroupBox* coloursGroup_ = nullptr;
    ColourRow text_;
    ColourRow contour_;
    ColourRow background_;
};

}  // namespace solvane::qt
