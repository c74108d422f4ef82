#include "platform/qt/HintPainter.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/qt/QtConversions.h"

namespace solvane::qt {

void paintHintLayers(QPainter& painter, const HintLayers& layers, bool antialiased) {
    painter.setRenderHint(QPainter::TextAntialiasing, antialiased);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    for (const Label* layer : layers) {
        if (!layer || !layer->visible()) continue;
        QFont font = toQFont(layer->font());
        if (!antialiased) font.setStyleStrategy(QFont::NoAntialias);
        const QString text = toQString(layer->caption());
        const QSize size = QFontMetrics(font).size(CaptionTextFlags, text);
        painter.setFont(font);
        painter.setPen(toQColor(layer->font().colour));
        const Point at = layer->position();
        painter.drawText(QRect(QPoint(at.x, at.y), size), CaptionTextFlags | Qt::AlignLeft | Qt::AlignTop, text);
    }
}

QRegion hintGlyphRegion(const HintLayers& layers, QSize windowSize) {
    if (windowSize.isEmpty()) return {};
    QImage image(windowSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        paintHintLayers(painter, layers, false);
    }
    return QRegion(QBitmap::fromImage(image.createAlphaMask()));
}

}  // namespace solvane::qt
