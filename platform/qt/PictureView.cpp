#include "platform/qt/PictureView.h"

#include <QMouseEvent>
#include <QPainter>

namespace solvane::qt {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {}

void PictureView::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureView::setClickAction(std::function<void()> action) {
    clickAction_ = std::move(action);
    if (clickAction_) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void PictureView::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (clickAction_ && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (clickAction_ && event->button() == Qt::LeftButton) {
        event->accept();
        if (rect().contains(event->position().toPoint())) clickAction_();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace solvane::qt
