#include "platform/qt/HintWindow.h"

#include <QMouseEvent>
#include <QPainter>

#include "display/TfrmHint.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/X11Desktop.h"

namespace solvane::qt {

HintWindow::HintWindow(TfrmHint& model)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      model_(model) {
    setWindowTitle(QStringLiteral("TfrmHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Always a window with an alpha channel: a solid background is painted opaquely,
    // a transparent one is left clear for the compositor (or cut away by the shape).
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    x11::setInstanceName(*this, "TfrmHint");
    composited_ = x11::compositorRunning();
    model_.notifier.setListener([this] { queueRefresh(); });
    refresh();
}

HintWindow::~HintWindow() { model_.notifier.setListener({}); }

void HintWindow::show() {
    // The compositing manager may have come or gone since the last showing.
    composited_ = x11::compositorRunning();
    refresh();
    QWidget::show();
    QWidget::raise();
}

void HintWindow::hide() { QWidget::hide(); }

void HintWindow::makeTopmost() { QWidget::raise(); }

void HintWindow::refresh() {
    refreshQueued_ = false;
    const QRect bounds = toQRect(model_.bounds);
    if (geometry() != bounds) setGeometry(bounds);
    applyShape();
    update();
}

void HintWindow::queueRefresh() {
    if (refreshQueued_) return;
    refreshQueued_ = true;
    QMetaObject::invokeMethod(this, [this] { if (refreshQueued_) refresh(); }, Qt::QueuedConnection);
}

HintLayers HintWindow::layers() const {
    return {&model_.Label6, &model_.Label3, &model_.Label2, &model_.Label5, &model_.Label4, &model_.Label1};
}

bool HintWindow::paintsBackground() const { return !model_.backgroundTransparent; }

void HintWindow::applyShape() {
    if (paintsBackground() || composited_) {
        clearMask();
        return;
    }
    QRegion glyphs = hintGlyphRegion(layers(), size());
    // An empty mask would mean no shape at all; a region outside the window hides it whole.
    if (glyphs.isEmpty()) glyphs = QRegion(-1, -1, 1, 1);
    setMask(glyphs);
}

void HintWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (paintsBackground()) painter.fillRect(rect(), toQColor(model_.backgroundColour));
    // Antialiased edges would show a fringe of the wrong colour through a shape.
    const bool shaped = !paintsBackground() && !composited_;
    paintHintLayers(painter, layers(), !shaped);
}

void HintWindow::mousePressEvent(QMouseEvent* event) { event->accept(); }

void HintWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    model_.Label1.userClick();
}

}  // namespace solvane::qt
