#include "display/FontCatalogue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "display/RandomGenerator.h"

namespace solvane {
namespace {

using Names = std::vector<std::string>;

TEST(FontCatalogue, ExclusionTable) {
    struct Case {
        const char* name;
        bool excluded;
    };
    const Case cases[] = {
        {"Webdings", true},
        {"Wingdings", true},
        {"Wingdings 2", true},  // contains "dings"
        {"Dingbats", false},    // no rule word: "dingbats" does not contain "dings"
        {"marlett", true},
        {"MARLETT", true},
        {"mArLeTt", true},
        {"Marlett Pro", false},  // "marlett" counts only as the whole name
        {"Andale Mono IPA", true},
        {"Andale Mono IPA Bold", false},
        {"Andale Mono", false},
        {"Symbol", true},
        {"OpenSymbol", true},
        {"Standard Symbols PS", true},
        {"ESRI Map Symbols", true},
        {"Monotype Sorts", true},
        {"Sorts Mill Goudy", true},
        {"MT Extra", true},
        {"Noto Sans ExtraCondensed", true},
        {"DejaVu Sans", false},
        {"Verdana", false},
        {"", false},
        // Only A to Z are lower-cased; other letters are compared byte for byte.
        {"M\xC3\x84RLETT", false},     // "MÄRLETT"
        {"Sans \xC3\x89XTRA", false},  // "Sans ÉXTRA": no "extra" after ASCII lower-casing
        {"Wing D\xC4\xB0NGS", false},  // "Wing DİNGS": Unicode lower-casing would give "dings"
        {"\xEF\xBC\xB3YMBOL", false},  // fullwidth S: "Ｓymbol" is not "symbol"
        {"SYMBOL\xC3\x89", true},      // "SYMBOLÉ" still contains "symbol"
    };
    for (const Case& c : cases) EXPECT_EQ(FontCatalogue::isExcluded(c.name), c.excluded) << '"' << c.name << '"';
}

// Shuffle orders below were worked out independently from the generator's recurrence.
TEST(FontCatalogue, BuildShufflesAllFamiliesThenExcludes) {
    FontCatalogue catalogue;
    catalogue.entries = {"Old"};
    catalogue.position = 7;
    RandomGenerator random;
    catalogue.build({"A", "Wingdings", "B", "C", "OpenSymbol", "D"}, random, 12345);
    // Shuffled as six names: D A C Wingdings OpenSymbol B. Shuffling only the four kept
    // names would have given A C B D.
    EXPECT_EQ(catalogue.entries, (Names{"D", "A", "C", "B"}));
    EXPECT_EQ(catalogue.position, 0);
}

TEST(FontCatalogue, BuildSkipsNamesThatCannotSurviveTheFile) {
    FontCatalogue catalogue;
    RandomGenerator random;
    catalogue.build({"Two\nLines", "Carriage\rReturn", "Kept"}, random, 1);
    EXPECT_EQ(catalogue.entries, (Names{"Kept"}));
}

TEST(FontCatalogue, NothingToShuffleLeavesTheGeneratorAlone) {
    RandomGenerator random(999);
    FontCatalogue catalogue;
    catalogue.entries = {"Old", "Older", "Oldest"};
    catalogue.position = 2;
    catalogue.build({}, random, 12345);
    EXPECT_TRUE(catalogue.entries.empty());
    EXPECT_EQ(catalogue.position, 0);
    EXPECT_EQ(random.seed(), 999u);

    // Only symbol and dingbat fonts installed: nothing is left for random fonts.
    catalogue.build({"Wingdings", "Symbol", "Webdings", "Marlett"}, random, 1);
    EXPECT_TRUE(catalogue.entries.empty());
    EXPECT_FALSE(catalogue.offersChoice());
}

// A rebuild source that counts how often it is asked.
struct CountingSource {
    Names families;
    std::uint32_t seed;
    int rebuilds = 0;
    FontCatalogue::RebuildSource source() {
        return {[this] {
                    ++rebuilds;
                    return families;
                },
                [this] { return seed; }};
    }
};

TEST(FontCatalogue, WalkUsesEntriesOneAndTwoThenStartsAFreshBuildAtZero) {
    RandomGenerator random;
    FontCatalogue catalogue;
    catalogue.build({"Alpha", "Beta", "Gamma"}, random, 3);
    ASSERT_EQ(catalogue.entries, (Names{"Beta", "Gamma", "Alpha"}));

    // Fonts changed since the first build; the fresh build must see them.
    CountingSource installed{{"Delta", "Epsilon", "Zeta"}, 4};
    const auto source = installed.source();
    EXPECT_EQ(catalogue.next(random, source), "Gamma");
    EXPECT_EQ(catalogue.next(random, source), "Alpha");
    EXPECT_EQ(installed.rebuilds, 0);
    // Seed 4 orders the new families Zeta Epsilon Delta.
    EXPECT_EQ(catalogue.next(random, source), "Zeta");
    EXPECT_EQ(installed.rebuilds, 1);
    EXPECT_EQ(catalogue.position, 0);
    EXPECT_EQ(catalogue.next(random, source), "Epsilon");
    EXPECT_EQ(catalogue.next(random, source), "Delta");
    EXPECT_EQ(catalogue.position, 2);
    EXPECT_EQ(catalogue.next(random, source), "Zeta");
    EXPECT_EQ(installed.rebuilds, 2);
}

TEST(FontCatalogue, StoredPositionsOutsideTheListNeverReadOutsideIt) {
    CountingSource installed{{"Delta", "Epsilon", "Zeta"}, 4};
    const auto source = installed.source();
    RandomGenerator random;
    const Names walk = {"X", "Y", "Z"};

    // -1 is the position before the first entry.
    FontCatalogue fromStart{walk, -1};
    EXPECT_EQ(fromStart.next(random, source), "X");

    // Past the end, up to the largest stored value: a fresh build, no overflow.
    for (std::int32_t stored : {3, 10, std::numeric_limits<std::int32_t>::max()}) {
        FontCatalogue beyond{walk, stored};
        EXPECT_EQ(beyond.next(random, source), "Zeta") << "position " << stored;
        EXPECT_EQ(beyond.position, 0);
    }

    EXPECT_EQ(installed.rebuilds, 3);
}

TEST(FontCatalogue, APositionBelowTheListStartsTheWalkAtTheFirstEntry) {
    CountingSource installed{{"Delta", "Epsilon", "Zeta"}, 4};
    const auto source = installed.source();
    RandomGenerator random;
    const Names walk = {"X", "Y", "Z"};
    for (std::int32_t stored : {-2, -5, -1000, std::numeric_limits<std::int32_t>::min()}) {
        FontCatalogue corrupt{walk, stored};
        EXPECT_EQ(corrupt.next(random, source), "X") << "position " << stored;
        EXPECT_EQ(corrupt.position, 0);
        // From there the walk goes on as usual, over the catalogue it had.
        EXPECT_EQ(corrupt.next(random, source), "Y");
        EXPECT_EQ(corrupt.next(random, source), "Z");
        EXPECT_EQ(corrupt.entries, walk);
    }
    EXPECT_EQ(installed.rebuilds, 0);
}

TEST(FontCatalogue, EmptyRebuildFailsInsteadOfReading) {
    CountingSource nothingInstalled{{}, 1};
    RandomGenerator random;
    FontCatalogue catalogue{{"X", "Y", "Z"}, 2};
    EXPECT_THROW(catalogue.next(random, nothingInstalled.source()), std::out_of_range);
    EXPECT_TRUE(catalogue.entries.empty());
}

TEST(FontCatalogue, SaveTextEndsEveryEntryWithCrLf) {
    EXPECT_EQ((FontCatalogue{{"Arial", "", "DejaVu Sans"}, 0}).saveText(), "Arial\r\n\r\nDejaVu Sans\r\n");
    EXPECT_EQ(FontCatalogue{}.saveText(), "");
}

TEST(FontCatalogue, ParseTextSplitsAtCrLfOrCrLf) {
    struct Case {
        std::string text;
        Names lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r", {"a"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\r", {"a", ""}},  // LF then CR: two breaks, not one
        {"a\r\r\nb", {"a", "", "b"}},
    };
    for (const Case& c : cases) EXPECT_EQ(FontCatalogue::parseText(c.text), c.lines) << testing::PrintToString(c.text);
}

TEST(FontCatalogue, FileRoundTripKeepsEveryEntry) {
    const FontCatalogue saved{{"Noto Sans", "",
                               "\xC3\x9C"
                               "bung Serif",
                               "DejaVu Sans", "", ""},
                              0};
    EXPECT_EQ(FontCatalogue::parseText(saved.saveText()), saved.entries);
}

}  // namespace
}  // namespace solvane
