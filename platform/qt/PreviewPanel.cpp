#include "platform/qt/PreviewPanel.h"

#include <QFontMetrics>
#include <QPainter>

#include "dialog/TfrmConfig.h"
#include "platform/qt/HintPainter.h"
#include "platform/qt/QtConversions.h"

namespace solvane::qt {
namespace {
// The backdrop reaches a little beyond the panel on every side but the left.
const QRect BackdropBounds(0, -8, 449, 108);
}  // namespace

PreviewPanel::PreviewPanel(const TfrmConfig& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("Panel2"));
}

void PreviewPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.fillRect(rect(), QColor::fromRgb(PanelColour));
    if (model_.Shape2.visible()) painter.fillRect(BackdropBounds, toQColor(model_.Shape2.colour()));
    const HintLayers layers = paintOrder(model_.previewLabels());
    // A text longer than the panel is cut at its end. A text written from right to
    // left ends at the left, so it is moved left, all layers alike, until its start
    // (its right end) is as far inside the panel as a left-to-right text's start.
    const Label& text = model_.Label1;
    const QString caption = visibleCaption(text.caption(), text.position().x, width());
    if (caption.isRightToLeft()) {
        painter.setFont(toQFont(text.font()));
        const int right = text.position().x + painter.fontMetrics().horizontalAdvance(caption);
        if (right > width()) painter.translate(width() - text.position().x - right, 0);
    }
    paintHintLayers(painter, layers, true);
}

}  // namespace solvane::qt
