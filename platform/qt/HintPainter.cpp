#include "platform/qt/HintPainter.h"

#include <QBitmap>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "display/VisibleLine.h"
#include "platform/qt/QtConversions.h"

namespace solvane::qt {

namespace {

// The layers drawn without antialiasing on a transparent image of the window's size.
QImage drawGlyphs(const HintLayers& layers, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        paintHintLayers(painter, layers, false);
    }
    return image;
}

// The pixels from `start` to `end`, at most as many as an int holds.
int extent(int start, int end) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{end} - start, 0, std::numeric_limits<int>::max()));
}

}  // namespace

QString visibleCaption(const std::string& caption, int left, int deviceWidth) {
    if (left >= deviceWidth) return {};
    return toQString(cutCaption(caption, longestVisibleLine(extent(left, deviceWidth))));
}

void paintHintLayers(QPainter& painter, const HintLayers& layers, bool antialiased) {
    painter.setRenderHint(QPainter::TextAntialiasing, antialiased);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    const QPaintDevice* device = painter.device();
    for (const Label* layer : layers) {
        if (!layer || !layer->visible()) continue;
        const Point at = layer->position();
        if (at.y >= device->height()) continue;
        const QString text = visibleCaption(layer->caption(), at.x, device->width());
        if (text.isEmpty()) continue;
        QFont font = toQFont(layer->font());
        if (!antialiased) font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(toQColor(layer->font().colour));
        // The line's direction is its own, from its first letter, whatever the
        // interface's: a Hebrew sentence ends at the left with its full stop.
        painter.setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        // Placed by its top left corner, also when the text is written from right to
        // left (Qt would align such a line to the right edge of the rectangle); the
        // line is not clipped to the rectangle.
        const QRect from(QPoint(at.x, at.y), QSize(extent(at.x, device->width()), extent(at.y, device->height())));
        painter.drawText(from, CaptionTextFlags | Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop, text);
    }
}

GlyphShape::Drawing GlyphShape::describe(const HintLayers& layers) {
    Drawing drawing;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const Label* layer = layers[i];
        if (layer && layer->visible()) drawing[i] = DrawnLayer{layer->caption(), layer->font(), layer->position()};
    }
    return drawing;
}

bool GlyphShape::update(const HintLayers& layers, QSize windowSize) {
    Drawing drawing = describe(layers);
    if (drawn_ == drawing && size_ == windowSize) return false;
    drawn_ = std::move(drawing);
    size_ = windowSize;
    if (windowSize.isEmpty()) {
        image_ = {};
        region_ = {};
    } else {
        image_ = drawGlyphs(layers, windowSize);
        region_ = QRegion(QBitmap::fromImage(image_.createAlphaMask()));
    }
    return true;
}

void GlyphShape::clear() {
    drawn_.reset();
    size_ = {};
    image_ = {};
    region_ = {};
}

}  // namespace solvane::qt
