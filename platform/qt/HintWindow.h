#pragma once
#include <QRegion>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "platform/WindowSystem.h"
#include "platform/qt/HintPainter.h"
#include "platform/qt/X11CompositorWatch.h"
#include "platform/qt/X11InputOverlay.h"
#include "platform/qt/X11WindowNoticeFilter.h"

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
    void showingStarts() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    HintLayers layers() const;
    bool paintsBackground() const;
    bool shapedToGlyphs() const;
    void queueRefresh();
    void applyShape();
    void sendShape(const QRegion& shape);
    void updateInputOverlay();
    void trace(const char* what);

    TfrmHint& model_;
    // Without a compositing manager a transparent window is shaped to its glyphs. The
    // manager is first looked for when the window is about to show.
    x11::CompositorWatch compositor_;
    bool composited_ = true;
    bool refreshQueued_ = false;
    // The layers' glyphs, drawn for the shape, while the window is shaped to them.
    GlyphShape glyphs_;
    // The shape is drawn when the window is about to show: a hidden window's layers
    // may still change before it does, and need no shape until then.
    bool shapePending_ = false;
    // The shape X has; an empty region for none.
    QRegion sentShape_;
    // Shaped to its glyphs, the window takes clicks only on them; the overlay takes
    // the clicks on the rest of its rectangle. It is put up once the window is on
    // screen, when the window manager has placed it.
    x11::InputOverlay inputOverlay_;
    bool paintedSinceShow_ = false;
    // Keeps Qt from asking the server about the window's state and the pointer's
    // crossings at every showing.
    x11::WindowNoticeFilter notices_;
    // SOLVANE_TRACE_SHOWINGS names a file that gets a line for every step of every
    // showing, with the monotonic clock's time in nanoseconds: "start" when the
    // showing starts, before it is composed; "show" when the window is asked to
    // appear; "painted" when its first paint is done; "hide" when it goes; "shape"
    // when the window's shape is sent to X (a showing like the last one sends none).
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> trace_{nullptr, &std::fclose};
};

}  // namespace solvane::qt
