#pragma once
#include <QLabel>
#include <functional>

namespace solvane::qt {

// A label that shows its caption as plain text, never as markup, with the caption
// convention: "&" underlines the next character and is not drawn, "&&" draws one "&".
// When it has a click action it shows the hand cursor and runs the action on a
// left click.
class CaptionLabel : public QLabel {
public:
    explicit CaptionLabel(QWidget* parent);

    void setClickAction(std::function<void()> action);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> clickAction_;
};

}  // namespace solvane::qt
