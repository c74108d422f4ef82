#pragma once
#include <QWidget>

#include "platform/WindowSystem.h"
#include "platform/qt/HintPainter.h"

namespace solvane::qt {

// The affirmation window: frameless, top-most, without taskbar entry, never
// activated. It paints TfrmHint's six layers over a solid or transparent
// background; any click on it is a click on Label1.
class HintWindow : public QWidget, public platform::HintView {
public:
    explicit HintWindow(TfrmHint& model);
    ~HintWindow() override;

    void show() override;
    void hide() override;
    void makeTopmost() override;
    void refresh() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    HintLayers layers() const;
    bool paintsBackground() const;
    void queueRefresh();
    void applyShape();

    TfrmHint& model_;
    // Without a compositing manager a transparent window is shaped to its glyphs.
    bool composited_ = true;
    bool refreshQueued_ = false;
};

}  // namespace solvane::qt
