// The font and colour choosers block the settings dialog, and only it: the tray
// icon's window (here a stand-in top-level window) keeps taking clicks.
#include <gtest/gtest.h>
#include <QColorDialog>
#include <QPushButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "platform/qt/ColourChooser.h"
#include "platform/qt/FontChooser.h"

namespace solvane::qt {
namespace {

using testing::ModalAnswerer;

struct ChooserModalityTest : testing::DialogFixture {
    void SetUp() override {
        DialogFixture::SetUp();
        outside.setObjectName(QStringLiteral("OutsideTheDialog"));
        outside.resize(40, 40);
        outside.show();
        QObject::connect(&outside, &QPushButton::clicked, [this] { ++outsideClicks; });
        QObject::connect(find<QPushButton>("Button10"), &QPushButton::pressed, [this] { ++dialogPresses; });
    }
    // A click as the window system delivers it, through the modality checks.
    static void clickWindow(QWidget* widget) {
        QWindow* window = widget->window()->windowHandle();
        ASSERT_NE(window, nullptr);
        QTest::mouseClick(window, Qt::LeftButton, {}, widget->mapTo(widget->window(), widget->rect().center()));
    }
    // Clicks outside the dialog and on its Cancel button while the chooser is open.
    template <typename Chooser>
    void clickBothWhileOpen(Chooser& open) {
        clickWindow(&outside);
        clickWindow(find<QPushButton>("Button10"));
        open.reject();
    }

    QPushButton outside;
    int outsideClicks = 0;
    int dialogPresses = 0;
};

TEST_F(ChooserModalityTest, TheFontChooserLeavesOtherWindowsAnswering) {
    ModalAnswerer<FontChooser> chooser([&](FontChooser& open) { clickBothWhileOpen(open); });
    EXPECT_FALSE(chooseFont(dialog, FontSpec{"DejaVu Sans", 20, 0, 0}, QPoint(0, 0), {}).has_value());
    ASSERT_EQ(chooser.answered, 1);
    EXPECT_EQ(outsideClicks, 1);
    EXPECT_EQ(dialogPresses, 0) << "the dialog under the chooser took a click";
}

TEST_F(ChooserModalityTest, TheColourChooserLeavesOtherWindowsAnswering) {
    ModalAnswerer<QColorDialog> chooser([&](QColorDialog& open) { clickBothWhileOpen(open); });
    EXPECT_FALSE(chooseColour(dialog, 0x123456).has_value());
    ASSERT_EQ(chooser.answered, 1);
    EXPECT_EQ(outsideClicks, 1);
    EXPECT_EQ(dialogPresses, 0) << "the dialog under the chooser took a click";
}

}  // namespace
}  // namespace solvane::qt
