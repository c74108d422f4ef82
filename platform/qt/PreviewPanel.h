#pragma once
#include <QWidget>

namespace solvane {
class TfrmConfig;
}

namespace solvane::qt {

// The preview on the Font & Color page (Panel2): on the panel's own green it paints,
// back to front, the backdrop Shape2 while it is visible, then the text layers in
// the core's order (the shadow Label11, the contour copies Label2 to Label5, the text
// Label1), each visible label at its position in its font and colour. What lies
// outside the panel is cut off.
class PreviewPanel : public QWidget {
public:
    static constexpr QRgb PanelColour = 0xFF008000;  // green: red 0, green 128, blue 0

    PreviewPanel(const TfrmConfig& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TfrmConfig& model_;
};

}  // namespace solvane::qt
