#include "platform/qt/TrayIcons.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <cstdlib>

namespace solvane::qt {
namespace {

struct Census {
    int dark = 0;
    int red = 0;
    bool cornersClear = true;
};

Census census(platform::TrayImage image, int size) {
    const QImage pixels = trayIcon(image).pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(pixels.size(), QSize(size, size));
    Census result;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb pixel = pixels.pixel(x, y);
            if (qAlpha(pixel) < 200) continue;
            if (qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80) ++result.dark;
            if (qRed(pixel) > 150 && qGreen(pixel) < 80 && qBlue(pixel) < 80) ++result.red;
        }
    }
    for (QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
        result.cornersClear = result.cornersClear && qAlpha(pixels.pixel(corner)) == 0;
    return result;
}

class TrayIconSize : public ::testing::TestWithParam<int> {};

TEST_P(TrayIconSize, RunningIsBlackAndWhiteOnAClearGround) {
    const Census running = census(platform::TrayImage::Running, GetParam());
    EXPECT_GT(running.dark, 0);
    EXPECT_EQ(running.red, 0);
    EXPECT_TRUE(running.cornersClear);
}

TEST_P(TrayIconSize, StoppedAddsARedProhibitionSign) {
    const Census stopped = census(platform::TrayImage::Stopped, GetParam());
    EXPECT_GT(stopped.red, GetParam());
    EXPECT_GT(stopped.dark, 0);
    EXPECT_TRUE(stopped.cornersClear);
}

TEST_P(TrayIconSize, NoneIsClear) {
    const Census none = census(platform::TrayImage::None, GetParam());
    EXPECT_EQ(none.dark + none.red, 0);
}

// The pixels of the icon, laid over a panel of the given grey, that stand out from the
// panel by a clear step in brightness.
int contrastingPixels(platform::TrayImage image, int size, int panelGrey) {
    QImage panel(size, size, QImage::Format_ARGB32);
    panel.fill(QColor(panelGrey, panelGrey, panelGrey));
    {
        QPainter painter(&panel);
        painter.drawPixmap(0, 0, trayIcon(image).pixmap(size, size));
    }
    int count = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (std::abs(qGray(panel.pixel(x, y)) - panelGrey) > 100) ++count;
    return count;
}

TEST_P(TrayIconSize, RunningReadsOnDarkPanelsAsOnLightOnes) {
    const int onLight = contrastingPixels(platform::TrayImage::Running, GetParam(), 235);
    const int onDark = contrastingPixels(platform::TrayImage::Running, GetParam(), 30);
    // Black strokes alone leave only the half-disc on a dark panel, far less than half.
    EXPECT_GT(onDark * 10, onLight * 8) << "light panel " << onLight << ", dark panel " << onDark;
}

// The usual panel sizes, an odd one, and a HiDPI panel's, which is drawn at its own size
// rather than a smaller image's.
INSTANTIATE_TEST_SUITE_P(Sizes, TrayIconSize, ::testing::Values(16, 20, 22, 24, 32, 48, 64));

}  // namespace
}  // namespace solvane::qt
