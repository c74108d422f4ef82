#include "platform/qt/HintWindow.h"

#include <gtest/gtest.h>
#include <QTest>

#include "QtProgramHarness.h"
#include "platform/qt/QtConversions.h"

namespace solvane::qt {
namespace {

using testing::QtProgramHarness;

struct HintWindowTest : ::testing::Test {
    QtProgramHarness h;
    TfrmHint& model = h.program.hint();
    QWidget* window = QtProgramHarness::topLevel<QWidget>("TfrmHint");
};

TEST_F(HintWindowTest, NeverTakesTheFocusAndStaysOnTop) {
    ASSERT_NE(window, nullptr);
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(window->focusPolicy(), Qt::NoFocus);
}

TEST_F(HintWindowTest, AShowingPlacesTheWindowOnTheModelsBounds) {
    model.show();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), toQRect(model.bounds));
    model.hide();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(HintWindowTest, AClickCutsTheDisplayShort) {
    model.show();
    ASSERT_NE(model.DisplayTimer.interval(), 10);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(model.DisplayTimer.interval(), 10);
}

TEST_F(HintWindowTest, SolidBackgroundIsFilledInItsColour) {
    model.show();
    model.backgroundTransparent = false;
    model.backgroundColour = 0x00FF0000;  // blue: red is the low byte
    model.Label1.setVisible(false);
    QtProgramHarness::sync();
    const QImage image = window->grab().toImage();
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 255));
}

TEST_F(HintWindowTest, TransparentBackgroundLeavesTheGroundClear) {
    model.show();
    model.backgroundTransparent = true;
    model.Label1.setVisible(false);
    QtProgramHarness::sync();
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);
}

}  // namespace
}  // namespace solvane::qt
