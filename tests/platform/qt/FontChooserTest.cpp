#include "platform/qt/FontChooser.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "app/controls/Timer.h"
#include "platform/qt/ConfigDialog.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtTimerService.h"

namespace solvane::qt {
namespace {

using testing::ModalAnswerer;
using testing::QtProgramHarness;

// A scalable family the chooser lists, other than the one it was opened with. Where
// Qt lists a family once per foundry ("Nimbus Sans [URW ]"), one of those is taken:
// the page must get the family's plain name all the same.
QString anotherScalableFamily(const QString& besides) {
    QString found;
    for (const QString& family : QFontDatabase::families()) {
        if (family == besides || !QFontDatabase::isScalable(family) || QFontDatabase::isPrivateFamily(family)) continue;
        if (family.endsWith(QLatin1Char(']'))) return family;
        if (found.isEmpty()) found = family;
    }
    return found;
}

struct FontChooserTest : testing::DialogFixture {
    void SetUp() override {
        DialogFixture::SetUp();
        showPage(ConfigPage::FontColour);
    }
    ConfigDialog* view() { return dynamic_cast<ConfigDialog*>(dialog); }
};

TEST_F(FontChooserTest, OpensAtItsPlaceWithApplyAndWithoutEffects) {
    QPoint openedAt;
    bool effectsShown = true;
    QString applied;
    ModalAnswerer<FontChooser> chooser([&](FontChooser& open) {
        openedAt = open.pos();
        effectsShown = false;
        for (QCheckBox* box : open.findChildren<QCheckBox*>()) effectsShown |= box->isVisibleTo(&open);
        QPushButton* apply = open.findChild<QPushButton*>("Apply");
        EXPECT_NE(apply, nullptr);
        if (apply) {
            applied = anotherScalableFamily(open.currentFont().family());
            QFont font(applied);
            font.setPointSize(30);
            open.setCurrentFont(font);
            QTest::mouseClick(apply, Qt::LeftButton);
        }
        open.reject();
    });
    QTest::mouseClick(find<QPushButton>("Button6"), Qt::LeftButton);
    ASSERT_EQ(chooser.answered, 1);
    EXPECT_FALSE(effectsShown);

    const Point expected = view()->fontChooserPosition();
    EXPECT_EQ(openedAt, QPoint(expected.x, expected.y));
    auto* fontGroup = find<QGroupBox>("GroupBoxFont");
    EXPECT_EQ(openedAt, fontGroup->mapToGlobal(QPoint(0, 0)) + QPoint(2, find<QWidget>("Button6")->y() + 4));

    ASSERT_FALSE(applied.isEmpty());
    EXPECT_EQ(model.FontDialog1Font.name, plainFamilyName(applied).toStdString()) << "Apply chose the font";
    EXPECT_EQ(model.FontDialog1Font.size, 30);
    QtProgramHarness::sync();
    EXPECT_EQ(find<QLineEdit>("Edit6")->text(), plainFamilyName(applied));
}

TEST_F(FontChooserTest, OkHandsTheChosenFontToThePage) {
    const FontSpec before = model.FontDialog1Font;
    QString chosen;
    ModalAnswerer<FontChooser> chooser([&](FontChooser& open) {
        chosen = anotherScalableFamily(open.currentFont().family());
        QFont font(chosen);
        font.setPointSize(12);
        open.setCurrentFont(font);
        open.accept();
    });
    QTest::mouseClick(find<QPushButton>("Button6"), Qt::LeftButton);
    EXPECT_EQ(model.FontDialog1Font.name, plainFamilyName(chosen).toStdString());
    EXPECT_EQ(model.FontDialog1Font.size, 12);
    EXPECT_EQ(model.FontDialog1Font.colour, before.colour) << "the chooser never changes the colour";
    EXPECT_EQ(model.Label1.font().size, 12);
}

struct SizeCase {
    int typed;
    int allowed;
};

TEST_F(FontChooserTest, SizesOutsideFiveToFiveHundredAreRefused) {
    for (const SizeCase size : {SizeCase{3, 5}, SizeCase{512, 500}, SizeCase{5, 5}, SizeCase{500, 500}}) {
        int okPresses = 0;
        int appliedSize = 0;
        int applies = 0;
        ModalAnswerer<FontChooser> chooser([&](FontChooser& open) {
            if (okPresses == 0) {
                QFont font = open.currentFont();
                font.setPointSize(size.typed);
                open.setCurrentFont(font);
                QTest::mouseClick(open.applyButton(), Qt::LeftButton);
                open.setCurrentFont(font);  // the same size again for OK
            }
            ++okPresses;
            open.accept();
        });
        const auto result =
            chooseFont(dialog, FontSpec{"DejaVu Sans", 20, 0, 0}, QPoint(10, 10), [&](const FontSpec& font) {
                ++applies;
                appliedSize = font.size;
            });
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->size, size.allowed) << size.typed;
        const bool refused = size.typed != size.allowed;
        EXPECT_EQ(okPresses, refused ? 2 : 1) << "a refused size keeps the chooser open: " << size.typed;
        EXPECT_EQ(applies, refused ? 0 : 1) << size.typed;
        if (!refused) {
            EXPECT_EQ(appliedSize, size.allowed);
        }
    }
}

TEST_F(FontChooserTest, KeepsTheStyleBitsItCannotShow) {
    ModalAnswerer<FontChooser> chooser([](FontChooser& open) { open.accept(); });
    const auto result = chooseFont(
        dialog, FontSpec{"DejaVu Sans", 20, StyleBold | StyleUnderline | StyleStrikeOut, 0x123456}, QPoint(0, 0), {});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->style, StyleBold | StyleUnderline | StyleStrikeOut);
    EXPECT_EQ(result->colour, 0x123456u);
}

TEST_F(FontChooserTest, TimersKeepFiringWhileItIsOpen) {
    QtTimerService timers;
    int ticks = 0;
    Timer timer(timers, 1, true, [&] { ++ticks; });
    int ticksWhileOpen = 0;
    ModalAnswerer<FontChooser> chooser([&](FontChooser& open) {
        // Waits for a tick with the chooser open, then closes it.
        if (ticks == 0) return;
        ticksWhileOpen = ticks;
        open.reject();
    });
    EXPECT_FALSE(chooseFont(dialog, FontSpec{}, QPoint(0, 0), {}).has_value());
    EXPECT_GT(ticksWhileOpen, 0);
}

}  // namespace
}  // namespace solvane::qt
