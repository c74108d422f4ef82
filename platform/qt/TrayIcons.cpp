#include "platform/qt/TrayIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>
#include <algorithm>
#include <map>

namespace solvane::qt {
namespace {

constexpr int IconSizes[] = {16, 22, 24, 32, 48};

// A sun half risen over a horizon, with rays; drawn in a 16-unit square with the
// given pen. The disc is filled white in both passes.
void drawSunStrokes(QPainter& painter, const QPen& pen) {
    const QPointF centre(8.0, 10.5);
    painter.setPen(pen);
    for (int ray = 0; ray < 5; ++ray) {
        const double angle = qDegreesToRadians(180.0 + 22.5 + 33.75 * ray);
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * 5.2, centre + direction * 7.3);
    }
    QPainterPath disc;
    disc.moveTo(centre + QPointF(-4.0, 0.0));
    disc.arcTo(QRectF(centre.x() - 4.0, centre.y() - 4.0, 8.0, 8.0), 180.0, -180.0);
    disc.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(disc);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(1.0, 10.5), QPointF(15.0, 10.5));
    painter.drawLine(QPointF(3.5, 13.0), QPointF(12.5, 13.0));
}

// The black emblem over a wider light halo of the same strokes: the black reads on
// light panels, the halo on dark ones, where black alone would vanish.
void drawSun(QPainter& painter) {
    QPen halo(QColor(255, 255, 255, 235), 3.1);
    halo.setCapStyle(Qt::RoundCap);
    halo.setJoinStyle(Qt::RoundJoin);
    drawSunStrokes(painter, halo);
    QPen outline(Qt::black, 1.3);
    outline.setCapStyle(Qt::RoundCap);
    drawSunStrokes(painter, outline);
}

// A red ring with a bar from top left to bottom right.
void drawProhibition(QPainter& painter) {
    QPen red(QColor(220, 0, 0), 1.8);
    painter.setPen(red);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(1.2, 1.2, 13.6, 13.6));
    const double inset = 8.0 - 6.8 * std::sqrt(0.5);
    painter.drawLine(QPointF(inset, inset), QPointF(16.0 - inset, 16.0 - inset));
}

QPixmap drawIcon(platform::TrayImage image, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    if (image == platform::TrayImage::None) return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    drawSun(painter);
    if (image == platform::TrayImage::Stopped) drawProhibition(painter);
    return pixmap;
}

// Draws an image at a size the first time it is asked for: the tray host wants one or
// two of the sizes, and drawing all of them for the three images at start cost more
// than the rest of the tray icon (the largest strokes even start Qt's painting threads).
class TrayIconEngine : public QIconEngine {
public:
    explicit TrayIconEngine(platform::TrayImage image) : image_(image) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::max(1, std::min(size.width(), size.height()));
        auto drawn = drawn_.find(side);
        if (drawn == drawn_.end()) drawn = drawn_.emplace(side, drawIcon(image_, side)).first;
        return drawn->second;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const int side = std::min(rect.width(), rect.height());
        if (side <= 0) return;
        const QPoint corner(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
        painter->drawPixmap(corner, pixmap(QSize(side, side), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : IconSizes) sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine* clone() const override { return new TrayIconEngine(*this); }

private:
    platform::TrayImage image_;
    std::map<int, QPixmap> drawn_;
};

}  // namespace

QIcon trayIcon(platform::TrayImage image) { return QIcon(new TrayIconEngine(image)); }

}  // namespace solvane::qt
