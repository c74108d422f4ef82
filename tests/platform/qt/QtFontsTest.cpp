#include "platform/qt/QtFonts.h"

#include <gtest/gtest.h>
#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>
#include <set>

#include "display/FontCatalogue.h"
#include "display/RandomGenerator.h"
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
                                           MeasureCase{"<b>bold</b>", "<b>bold</b>"}, MeasureCase{"Grüße", "Grüße"},
                                           MeasureCase{"", ""}));

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

TEST(QtFonts, RemembersItsMeasuresWithinABound) {
    QtFonts fonts;
    const Size measured = fonts.measureCaption("Affirmation", Regular);
    FontSpec coloured = Regular;
    coloured.colour = 0x0000FF;
    EXPECT_EQ(fonts.measureCaption("Affirmation", coloured), measured);
    EXPECT_EQ(fonts.rememberedMeasures(), 1u) << "the colour plays no part in a measure";
    for (std::size_t i = 0; i < QtFonts::MaxRememberedMeasures; ++i) {
        fonts.measureCaption("Affirmation " + std::to_string(i), Regular);
        ASSERT_LE(fonts.rememberedMeasures(), QtFonts::MaxRememberedMeasures);
    }
    EXPECT_LT(fonts.rememberedMeasures(), QtFonts::MaxRememberedMeasures) << "never started afresh";
    EXPECT_EQ(fonts.measureCaption("Affirmation", Regular), measured);
}

// The default sentence repeated to `bytes`, as if a book had been pasted.
std::string longText(std::size_t bytes) {
    std::string text;
    while (text.size() < bytes) text += "I know what I love to do and I do it. ";
    text.resize(bytes);
    return text;
}

TEST(QtFonts, MeasuresALongTextOnlyUntilItIsWiderThanAnyScreen) {
    const std::string text = longText(10u << 20);
    for (int size : {27, 1}) {
        QtFonts fonts;
        FontSpec font = Regular;
        font.size = size;
        const Size measured = fonts.measureCaption(text, font);
        EXPECT_GT(measured.width, QtFonts::WidestScreen) << size;
        EXPECT_EQ(measured.height, QFontMetrics(toQFont(font)).height()) << size;
        // At 1 point a character is about half a pixel wide: some 70,000 of them
        // outdo any screen, measured in pieces that double up to twice that.
        EXPECT_LT(fonts.laidOutCharacters(), size == 1 ? 300'000u : 2 * QtFonts::FirstPieceBytes) << size;
        EXPECT_EQ(fonts.rememberedTextBytes(), 0u) << "ten megabytes are not kept";
    }
}

TEST(QtFonts, ATextThatCanFitAScreenIsMeasuredWhole) {
    // About 9,000 and 28,000 pixels at 1 point: measured in pieces first, then whole.
    for (std::size_t bytes : {std::size_t{20'000}, std::size_t{60'000}}) {
        const std::string text = longText(bytes) + "&&x";
        FontSpec font = Regular;
        font.size = 1;
        QtFonts fonts;
        const QString drawn = toQString(longText(bytes) + "&x");
        const int whole = QFontMetrics(toQFont(font)).size(Qt::TextSingleLine, drawn).width();
        ASSERT_LT(whole, QtFonts::WidestScreen);
        EXPECT_EQ(fonts.measureCaption(text, font).width, whole) << bytes;
    }
}

TEST(QtFonts, RemembersEachTextOnceWithinABoundOfBytes) {
    QtFonts fonts;
    const std::string text = longText(100'000);
    FontSpec font = Regular;
    for (int size = 1; size <= 10; ++size) {
        font.size = size;
        fonts.measureCaption(text, font);
    }
    EXPECT_EQ(fonts.rememberedMeasures(), 10u);
    EXPECT_EQ(fonts.rememberedTextBytes(), text.size()) << "one copy of the text for all its sizes";
    const std::size_t laidOut = fonts.laidOutCharacters();
    font.size = 5;
    fonts.measureCaption(text, font);
    EXPECT_EQ(fonts.laidOutCharacters(), laidOut) << "measured again";
    for (char variant = 'a'; variant <= 'z'; ++variant) {
        fonts.measureCaption(text + variant, font);
        ASSERT_LE(fonts.rememberedTextBytes(), QtFonts::MaxRememberedTextBytes);
    }
    EXPECT_LT(fonts.rememberedMeasures(), 26u) << "never started afresh";
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

// The families as Qt lists them, each under the name Qt gives it: a family that
// several foundries make is listed once per foundry, as "Family [Foundry]".
std::set<QString> listedFamilies() {
    const QStringList families = QFontDatabase::families();
    return {families.begin(), families.end()};
}

bool writesLatin(const QString& family) {
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return systems.contains(QFontDatabase::Latin) && !systems.contains(QFontDatabase::Symbol);
}

TEST(QtFonts, ListsEachTypefaceOnceUnderItsPlainName) {
    QtFonts fonts;
    const std::vector<std::string> families = fonts.scalableFamilies();
    ASSERT_FALSE(families.empty());
    const std::set<std::string> unique(families.begin(), families.end());
    EXPECT_EQ(unique.size(), families.size());
    for (const std::string& family : families) {
        const QString name = toQString(family);
        EXPECT_FALSE(name.contains(QLatin1Char('['))) << family;
        EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(name)) << family;
        EXPECT_FALSE(QFontDatabase::isPrivateFamily(name)) << family;
    }
    // The machine's fonts include typefaces that several foundries make (the URW base
    // fonts come as OpenType and as Type 1): each must still be there, once, plainly named.
    int madeBySeveral = 0;
    for (const QString& listed : listedFamilies()) {
        const qsizetype bracket = listed.indexOf(QLatin1String(" ["));
        if (bracket < 0 || !writesLatin(listed)) continue;
        ++madeBySeveral;
        const std::string plain = toStdString(listed.left(bracket));
        EXPECT_EQ(std::count(families.begin(), families.end(), plain), 1) << plain;
    }
    EXPECT_GT(madeBySeveral, 0) << "no family on this machine comes from several foundries";
    EXPECT_EQ(toStdString(plainFamilyName(QStringLiteral("Nimbus Sans [URW ]"))), "Nimbus Sans");
    EXPECT_EQ(toStdString(plainFamilyName(QStringLiteral("DejaVu Sans"))), "DejaVu Sans");
}

TEST(QtFonts, TheCatalogueOfTheInstalledFontsHoldsOnlyTypefacesThatWriteLatin) {
    QtFonts fonts;
    FontCatalogue catalogue;
    RandomGenerator random;
    catalogue.build(fonts.scalableFamilies(), random, 4711);
    ASSERT_TRUE(catalogue.offersChoice());
    const std::set<std::string> unique(catalogue.entries.begin(), catalogue.entries.end());
    std::set<QString> typefaces;
    for (const std::string& entry : catalogue.entries) typefaces.insert(plainFamilyName(toQString(entry)));
    EXPECT_EQ(typefaces.size(), catalogue.entries.size()) << "a typeface is in the catalogue more than once";
    for (const char* alias : {"Serif", "Sans Serif", "Monospace"}) {
        EXPECT_EQ(unique.count(alias), 0u) << alias << " only stands for another family";
    }
    for (const std::string& entry : catalogue.entries) EXPECT_TRUE(writesLatin(toQString(entry))) << entry;
    // The dingbat font of the URW base fonts puts pictures where the letters are; its
    // name passes the catalogue's own rules, so only its writing systems keep it out.
    const std::set<QString> listed = listedFamilies();
    const bool dingbatsInstalled = std::any_of(listed.begin(), listed.end(), [](const QString& family) {
        return family.startsWith(QLatin1String("D050000L"));
    });
    ASSERT_TRUE(dingbatsInstalled) << "fonts-urw-base35 is not installed";
    EXPECT_FALSE(FontCatalogue::isExcluded("D050000L"));
    EXPECT_EQ(typefaces.count(QStringLiteral("D050000L")), 0u);
}

}  // namespace
}  // namespace solvane::qt
