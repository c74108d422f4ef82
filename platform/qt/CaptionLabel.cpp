#include "platform/qt/CaptionLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "platform/qt/QtConversions.h"

namespace solvane::qt {

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void CaptionLabel::setClickAction(std::function<void()> action) {
    clickAction_ = std::move(action);
    if (clickAction_) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

QSize CaptionLabel::sizeHint() const {
    const QSize text = fontMetrics().size(CaptionTextFlags, this->text());
    const QMargins margins = contentsMargins();
    return text + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize CaptionLabel::minimumSizeHint() const { return sizeHint(); }

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()) | CaptionTextFlags, palette(),
                          isEnabled(), text(), foregroundRole());
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    if (clickAction_ && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (clickAction_ && event->button() == Qt::LeftButton) {
        event->accept();
        if (rect().contains(event->position().toPoint())) clickAction_();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace solvane::qt
