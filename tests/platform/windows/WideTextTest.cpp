#include "platform/windows/WideText.h"

#include <gtest/gtest.h>

namespace solvane::windows {
namespace {

TEST(WideText, TextOutsideTheBasicPlaneCrossesBothWaysUnchanged) {
    // Latin with accents, Hebrew, CJK, and an emoji that needs a surrogate pair.
    const std::string text =
        "Ich schaffe es \xC3\xA4\xC3\xB6 \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xE6\x84\x9B \xF0\x9F\x98\x80.";
    const std::wstring wide = toWide(text);
    EXPECT_EQ(wide.back(), L'.');
    EXPECT_EQ(wide.find(L'\xD83D'), wide.size() - 3);  // the emoji's high surrogate
    EXPECT_EQ(toUtf8(wide), text);
}

TEST(WideText, BrokenInputBecomesReplacementCharactersAndKeepsTheRest) {
    // A stray continuation byte and a cut-off sequence in the middle of the text.
    const std::wstring wide =
        toWide(std::string("ab\x80"
                           "cd\xE2\x82"
                           "ef"));
    EXPECT_EQ(wide.substr(0, 2), L"ab");
    EXPECT_NE(wide.find(L'\xFFFD'), std::wstring::npos);
    EXPECT_EQ(wide.substr(wide.size() - 2), L"ef");
    // An unpaired surrogate from Windows.
    const std::string utf8 = toUtf8(std::wstring(L"x") + wchar_t(0xD800) + L"y");
    EXPECT_EQ(utf8, "x\xEF\xBF\xBDy");
}

TEST(WideText, EmptyTextAndEmbeddedNulsAreKept) {
    EXPECT_EQ(toWide(""), L"");
    EXPECT_EQ(toUtf8(L""), "");
    EXPECT_EQ(toUtf8(toWide(std::string("a\0b", 3))), std::string("a\0b", 3));
}

}  // namespace
}  // namespace solvane::windows
