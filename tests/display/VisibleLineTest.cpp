#include "display/VisibleLine.h"

#include <gtest/gtest.h>

namespace solvane {
namespace {

TEST(VisibleLine, GrowsWithTheWidthAndNeverFallsBelowTheMargin) {
    EXPECT_EQ(longestVisibleLine(0), VisibleLineMargin);
    EXPECT_EQ(longestVisibleLine(-5), VisibleLineMargin);
    EXPECT_EQ(longestVisibleLine(1280), 1280u * DrawnCharactersPerPixel + VisibleLineMargin);
    // X's widest screen needs no wider type than the count itself.
    EXPECT_GT(longestVisibleLine(32767), longestVisibleLine(32766));
}

TEST(CutCaption, KeepsACaptionThatDrawsNoMore) {
    EXPECT_EQ(cutCaption("", 0), "");
    EXPECT_EQ(cutCaption("abc", 3), "abc");
    EXPECT_EQ(cutCaption("abc", 100), "abc");
    EXPECT_EQ(cutCaption("a&&b&c", 4), "a&&b&c") << "an ampersand pair draws one character, a mark none";
}

struct CutCase {
    std::string caption;
    std::size_t drawn;
    std::string kept;
};

class CutCaptionAt : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutCaptionAt, CountsDrawnCharacters) {
    EXPECT_EQ(cutCaption(GetParam().caption, GetParam().drawn), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Convention, CutCaptionAt,
    ::testing::Values(CutCase{"abcdef", 0, ""}, CutCase{"abcdef", 4, "abcd"},
                      // A mark stays with the character it marks, on whichever side of the cut.
                      CutCase{"ab&cd", 2, "ab"}, CutCase{"ab&cd", 3, "ab&c"},
                      // "&&" is one drawn "&": never split, so no lone mark is left at the end.
                      CutCase{"a&&&&b", 2, "a&&"}, CutCase{"a&&&&b", 3, "a&&&&"},
                      // Characters of several bytes are kept whole: ä (2), € (3), 😀 (4).
                      CutCase{"\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80x", 1, "\xC3\xA4"},
                      CutCase{"\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80x", 2, "\xC3\xA4\xE2\x82\xAC"},
                      CutCase{"\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80x", 3, "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80"},
                      CutCase{"&\xE2\x82\xAC!", 1, "&\xE2\x82\xAC"},
                      // A stray continuation byte goes with the character before it.
                      CutCase{"a\x80\x80" "bc", 1, "a\x80\x80"}));

TEST(CutCaption, CutsAMegabyteAfterTheFirstCharactersAlone) {
    const std::string huge(1 << 20, 'x');
    const std::string cut = cutCaption(huge, longestVisibleLine(1024));
    EXPECT_EQ(cut.size(), longestVisibleLine(1024));
    EXPECT_EQ(huge.compare(0, cut.size(), cut), 0);
}

}  // namespace
}  // namespace solvane
