#include "platform/qt/ColourWidgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace solvane::qt {

ColourBox::ColourBox(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {}

void ColourBox::setColour(QColor colour) {
    if (colour_ == colour) return;
    colour_ = colour;
    update();
}

void ColourBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

void ColourBox::mousePressEvent(QMouseEvent* event) {
    if (!mouseUp_) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();  // keeps the release of any button here
}

void ColourBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!mouseUp_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (rect().contains(event->position().toPoint())) mouseUp_();
}

MouseUpButton::MouseUpButton(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }

void MouseUpButton::mousePressEvent(QMouseEvent* event) {
    QPushButton::mousePressEvent(event);
    event->accept();  // the right and middle buttons too, so that their release comes here
}

void MouseUpButton::mouseReleaseEvent(QMouseEvent* event) {
    // The button first comes up again; the action may open a modal chooser.
    QPushButton::mouseReleaseEvent(event);
    event->accept();
    if (mouseUp_ && rect().contains(event->position().toPoint())) mouseUp_();
}

}  // namespace solvane::qt
