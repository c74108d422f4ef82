#include "platform/qt/HintWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <chrono>
#include <utility>

#include "display/TfrmHint.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/X11Desktop.h"

namespace solvane::qt {

namespace {
// Tools find the affirmation window by this title and instance name.
constexpr const char* WindowName = "TfrmHint";
}  // namespace

HintWindow::HintWindow(TfrmHint& model)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      model_(model),
      inputOverlay_([this] { model_.Label1.userClick(); }) {
    setWindowTitle(QString::fromLatin1(WindowName));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Always a window with an alpha channel: a solid background is painted opaquely,
    // a transparent one is left clear for the compositor (or cut away by the shape).
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    x11::setInstanceName(*this, WindowName);
    x11::setWindowName(*this, WindowName);
    const QByteArray tracePath = qgetenv("SOLVANE_TRACE_SHOWINGS");
    if (!tracePath.isEmpty()) trace_.reset(std::fopen(tracePath.constData(), "a"));
    model_.notifier.setListener([this] { queueRefresh(); });
    refresh();
}

HintWindow::~HintWindow() { model_.notifier.setListener({}); }

void HintWindow::show() {
    const bool appearing = !isVisible();
    if (appearing) {
        trace("show");
        paintedSinceShow_ = false;
    }
    // The showing was drawn when it was composed; draw it again only if the model has
    // changed since, or the compositing manager has come or gone.
    const bool composited = compositor_.compositorRunning();
    if (composited != composited_ || refreshQueued_) {
        composited_ = composited;
        refresh();
    }
    if (shapePending_) applyShape();
    if (appearing) {
        inputOverlay_.expect(winId());
        notices_.watch(winId());
    }
    QWidget::show();
    QWidget::raise();
}

void HintWindow::showingStarts() { trace("start"); }

void HintWindow::hide() {
    const bool disappearing = isVisible();
    QWidget::hide();
    updateInputOverlay();
    if (disappearing) trace("hide");
}

void HintWindow::makeTopmost() {
    QWidget::raise();
    updateInputOverlay();
}

void HintWindow::refresh() {
    refreshQueued_ = false;
    const QRect bounds = toQRect(model_.bounds);
    if (geometry() != bounds) setGeometry(bounds);
    if (isVisible()) {
        applyShape();
    } else {
        shapePending_ = true;
    }
    updateInputOverlay();
    update();
}

void HintWindow::queueRefresh() {
    if (refreshQueued_) return;
    refreshQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (refreshQueued_) refresh();
        },
        Qt::QueuedConnection);
}

HintLayers HintWindow::layers() const { return paintOrder(std::as_const(model_).layerLabels()); }

bool HintWindow::paintsBackground() const { return !model_.backgroundTransparent; }

bool HintWindow::shapedToGlyphs() const { return !paintsBackground() && !composited_; }

void HintWindow::applyShape() {
    shapePending_ = false;
    if (!shapedToGlyphs()) {
        glyphs_.clear();
        sendShape(QRegion());
        return;
    }
    // The glyphs are drawn once for a text, font and place: their pixels shape the
    // window, and its paint shows them.
    glyphs_.update(layers(), size());
    // An empty region would mean no shape at all; a region outside the window hides it whole.
    sendShape(glyphs_.region().isEmpty() ? QRegion(-1, -1, 1, 1) : glyphs_.region());
}

void HintWindow::sendShape(const QRegion& shape) {
    if (shape == sentShape_) return;
    sentShape_ = shape;
    // The shape goes to the native window alone. As the widget's mask it would also clip
    // every paint to its hundreds of rectangles, and Qt blends an image through such a
    // clip span by span, on threads of its own pool.
    winId();
    windowHandle()->setMask(shape);
    trace("shape");
}

void HintWindow::updateInputOverlay() {
    if (isVisible() && paintedSinceShow_ && shapedToGlyphs()) {
        // Where the window was put: Qt's own idea of its position lags behind the
        // window manager's moves.
        inputOverlay_.cover(toQRect(model_.bounds), winId());
    } else {
        inputOverlay_.remove();
    }
}

bool HintWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // Qt writes its own title, with the application's name added, whenever it sets one.
    const bool titleMayHaveChanged = event->type() == QEvent::WindowTitleChange || event->type() == QEvent::WinIdChange;
    if (titleMayHaveChanged && testAttribute(Qt::WA_WState_Created) && internalWinId()) {
        x11::setWindowName(*this, WindowName);
    }
    return handled;
}

void HintWindow::paintEvent(QPaintEvent*) {
    {
        QPainter painter(this);
        if (paintsBackground()) painter.fillRect(rect(), toQColor(model_.backgroundColour));
        if (shapedToGlyphs() && glyphs_.image().size() == size()) {
            // Drawn without antialiasing: a fringe of the wrong colour would show through a shape.
            painter.drawImage(0, 0, glyphs_.image());
        } else {
            paintHintLayers(painter, layers(), !shapedToGlyphs());
        }
    }
    if (!paintedSinceShow_) {
        paintedSinceShow_ = true;
        trace("painted");
        // On screen now, and placed by the window manager: the overlay can go above it.
        QMetaObject::invokeMethod(
            this, [this] { updateInputOverlay(); }, Qt::QueuedConnection);
    }
}

void HintWindow::mousePressEvent(QMouseEvent* event) { event->accept(); }

void HintWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    model_.Label1.userClick();
}

void HintWindow::trace(const char* what) {
    if (!trace_) return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(trace_.get(), "%s %lld\n", what,
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(trace_.get());
}

}  // namespace solvane::qt
