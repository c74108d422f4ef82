#pragma once
#include <QColor>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace solvane::qt {

// A solid rectangle in one colour: a colour swatch or the silver box under it.
// With a mouse-up action, releasing any mouse button over it runs the action.
class ColourBox : public QWidget {
public:
    ColourBox(QColor colour, QWidget* parent);
    QColor colour() const { return colour_; }
    void setColour(QColor colour);
    void setMouseUpAction(std::function<void()> action) { mouseUp_ = std::move(action); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor colour_;
    std::function<void()> mouseUp_;
};

// A button that acts when any mouse button is released over it, and never on the
// keyboard: a key press on it does nothing.
class MouseUpButton : public QPushButton {
public:
    explicit MouseUpButton(QWidget* parent);
    void setMouseUpAction(std::function<void()> action) { mouseUp_ = std::move(action); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> mouseUp_;
};

}  // namespace solvane::qt
