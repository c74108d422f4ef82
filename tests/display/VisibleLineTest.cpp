#include "display/VisibleLine.h"

#include <gtest/gtest.h>

namespace solvane {
namespace {

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

INSTANTIATE_TEST_SUITE_P(Convention, CutCaptionAt,
                         ::testing::Values(CutCase{"abcdef", 0, ""}, CutCase{"abcdef", 4, "abcd"},
                                           // A mark stays with the character it marks, on whichever side of the cut.
                                           CutCase{"ab&cd", 2, "ab"}, CutCase{"ab&cd", 3, "ab&c"},
                                           // "&&" is one drawn "&": never split, so no lone mark is left at the end.
                                           CutCase{"a&&&&b", 2, "a&&"}, CutCase{"a&&&&b", 3, "a&&&&"},
                                           // Characters of several bytes are kept whole: ä (2), € (3), 😀 (4).
                                           CutCase{"\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80x", 1, "\xC3\xA4"},
                                           CutCase{"\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80x", 2, "\xC3\xA4\xE2\x82\xAC"},
                                           CutCase{"\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80x", 3,
                                                   "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80"},
                                           CutCase{"&\xE2\x82\xAC!", 1, "&\xE2\x82\xAC"},
                                           // A stray continuation byte goes with the character before it.
                                           CutCase{"a\x80\x80"
                                                   "bc",
                                                   1, "a\x80\x80"}));

}  // namespace
}  // namespace solvane
