#include "platform/qt/TrayIcons.h"

#include <QImage>
#include <gtest/gtest.h>

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

INSTANTIATE_TEST_SUITE_P(Sizes, TrayIconSize, ::testing::Values(16, 22, 24, 32, 48));

}  // namespace
}  // namespace solvane::qt
