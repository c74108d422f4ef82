// The code pages of the language files beyond the two the contract suite compares
// with the fake: the holes Windows fills without an error, the double-byte pages, and
// the names that give nothing.
#include <gtest/gtest.h>

#include <string>

#include "platform/windows/CodePageTextConverter.h"

namespace solvane::windows {
namespace {

const std::string R = "\xEF\xBF\xBD";  // U+FFFD

class CodePageTextConverterTest : public ::testing::Test {
protected:
    std::optional<std::string> convert(const std::string& bytes, const std::string& codePage) {
        return converter.toUtf8(bytes, codePage);
    }
    CodePageTextConverter converter;
};

TEST_F(CodePageTextConverterTest, TheLanguageFilesCodePagesConvertTheirLetters) {
    // 0x9F is a letter in CP1250: only the holes of 0x80 to 0x9F are replaced.
    EXPECT_EQ(convert("\xA3\xF3\x64\x9F", "CP1250"), "Łódź");
    EXPECT_EQ(convert("\xC5\xEB\xEB\xDC\xE4\xE1", "CP1253"), "Ελλάδα");
    EXPECT_EQ(convert("\x93\xFA\x96\x7B\x8C\xEA", "CP932"), "日本語");
    EXPECT_EQ(convert("\xD6\xD0\xCE\xC4", "CP936"), "中文");
    EXPECT_EQ(convert("\xC7\xD1\xB1\xB9\xBE\xEE", "CP949"), "한국어");
    EXPECT_EQ(convert("\xA4\xA4\xA4\xE5", "CP950"), "中文");
    EXPECT_EQ(convert("Gr\xFC\xDF"
                      "e",
                      "cp1252"),
              "Grüße")
        << "the name in either case";
}

TEST_F(CodePageTextConverterTest, HolesThatWindowsFillsSilentlyBecomeTheReplacement) {
    // Control characters in the range 0x80 to 0x9F, private-use ones above it.
    EXPECT_EQ(convert("a\x81z\x98", "CP1250"), "a" + R + "z" + R);
    EXPECT_EQ(convert("a\xAAz\xD2\xFF", "CP1253"), "a" + R + "z" + R + R);
    EXPECT_EQ(convert("\xD9\xFB\xFC", "CP1255"), R + R + R);
    EXPECT_EQ(convert("\xA1\xA5", "CP1257"), R + R);
    EXPECT_EQ(convert("\xDB\xFF", "CP874"), R + R);
    EXPECT_EQ(convert("\x80\xA0\xFD", "CP932"), R + R + R);
    // Where a code page defines the control characters, they stay.
    EXPECT_EQ(convert("\x81", "CP28591"), "\xC2\x81");
}

TEST_F(CodePageTextConverterTest, ABrokenDoubleByteCharacterLosesOnlyItsLeadByte) {
    // A lead byte before a byte that cannot follow it, and one cut off at the end.
    EXPECT_EQ(convert("\x81\x7F"
                      "A\x93\xFA\x93",
                      "CP932"),
              R + "\x7F" + "A日" + R);
    EXPECT_EQ(convert("\xB0", "CP936"), R);
}

TEST_F(CodePageTextConverterTest, NamesOfNoInstalledSingleOrDoubleByteCodePageGiveNothing) {
    for (const char* name : {"CP0", "CP1", "CP3", "CP42", "CP65001", "CP12345", "CP 1252", "CP1252x", "1252",
                             "windows-1252", "CP-1252", "CP99999999"}) {
        EXPECT_EQ(convert("abc", name), std::nullopt) << name;
    }
}

}  // namespace
}  // namespace solvane::windows
