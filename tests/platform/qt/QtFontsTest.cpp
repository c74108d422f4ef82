#include "platform/qt/QtFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <set>

#include "platform/qt/QtConversions.h"

namespace solvane::qt {
namespace {

const FontSpec Regular{"DejaVu Sans", 27, 0, 0};

struct MeasureCase {
    std::string caption;
    QString drawn;  // what the caption convention draws
};

class QtFontsMeasure : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(QtFontsMeasure, MeasuresWhatIsDrawn) {
    QtFonts fonts;
    const QFontMetrics metrics(toQFont(Regular));
    const Size size = fonts.measureCaption(GetParam().caption, Regular);
    EXPECT_EQ(size.width, metrics.size(Qt::TextSingleLine, GetParam().drawn).width());
    EXPECT_EQ(size.height, metrics.height());
}

INSTANTIATE_TEST_SUITE_P(Convention, QtFontsMeasure,
                         ::testing::Values(MeasureCase{"I know what I love", "I know what I love"},
                                           MeasureCase{"Salt && Pepper", "Salt & Pepper"},
                                           MeasureCase{"&Start", "Start"}, MeasureCase{"end&", "end"},
                                           MeasureCase{"<b>bold</b>", "<b>bold</b>"},
                                           MeasureCase{"Grüße", "Grüße"}, MeasureCase{"", ""}));

TEST(QtFonts, StyleBitsChangeTheMeasure) {
    QtFonts fonts;
    const int regular = fonts.measureCaption("Affirmation", Regular).width;
    FontSpec bold = Regular;
    bold.style = StyleBold;
    EXPECT_GT(fonts.measureCaption("Affirmation", bold).width, regular);
    FontSpec larger = Regular;
    larger.size = 54;
    EXPECT_GT(fonts.measureCaption("Affirmation", larger).width, regular * 3 / 2);
}

TEST(QtFonts, SizesBelowOnePointMeasureAsOnePoint) {
    QtFonts fonts;
    FontSpec tiny = Regular;
    tiny.size = 1;
    const Size atOne = fonts.measureCaption("text", tiny);
    tiny.size = 0;
    EXPECT_EQ(fonts.measureCaption("text", tiny), atOne);
    tiny.size = -3;
    EXPECT_EQ(fonts.measureCaption("text", tiny), atOne);
    EXPECT_GT(atOne.height, 0);
}

TEST(QtFonts, ListsEachScalablePublicFamilyOnce) {
    QtFonts fonts;
    const std::vector<std::string> families = fonts.scalableFamilies();
    ASSERT_FALSE(families.empty());
    const std::set<std::string> unique(families.begin(), families.end());
    EXPECT_EQ(unique.size(), families.size());
    for (const std::string& family : families) {
        const QString name = toQString(family);
        EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(name)) << family;
        EXPECT_FALSE(QFontDatabase::isPrivateFamily(name)) << family;
    }
}

}  // namespace
}  // namespace solvane::qt
