// Code-page conversion of the language files: the two code pages the fake knows,
// converted as the system converts them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Implementations.h"

namespace solvane::contract {
namespace {

const std::string replacement = "\xEF\xBF\xBD";  // U+FFFD

// The code points of UTF-8 text; nothing when it is not well-formed UTF-8.
std::optional<std::vector<char32_t>> codePoints(const std::string& text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || i + length > text.size()) return std::nullopt;
        char32_t point = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            point = (point << 6) | (next & 0x3F);
        }
        points.push_back(point);
        i += length;
    }
    return points;
}

std::string allBytes() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
    return bytes;
}

template <class Traits>
class TextConverterContract : public ::testing::Test {
protected:
    std::optional<std::string> convert(const std::string& bytes, const std::string& codePage) {
        return impl.converter().toUtf8(bytes, codePage);
    }

    Traits impl;
};

TYPED_TEST_SUITE(TextConverterContract, TextConverterImplementations);

TYPED_TEST(TextConverterContract, AsciiPassesUnchanged) {
    std::string ascii;
    for (int byte = 0; byte < 0x80; ++byte) ascii += static_cast<char>(byte);
    for (const char* codePage : {"CP1252", "CP1251"}) {
        EXPECT_EQ(this->convert(ascii, codePage), ascii) << codePage;
        EXPECT_EQ(this->convert("", codePage), "") << codePage;
    }
}

TYPED_TEST(TextConverterContract, WesternTextConverts) {
    EXPECT_EQ(this->convert("Gr\xFC\xDF"
                            "e \x96 \x84"
                            "Anf\xFChrung\x93 \x80 5 \x85",
                            "CP1252"),
              "Grüße – „Anführung“ € 5 …");
}

TYPED_TEST(TextConverterContract, CyrillicTextWithItsPunctuationConverts) {
    EXPECT_EQ(
        this->convert("\xAB\xCF\xF0\xE8\xE2\xE5\xF2\xBB, \xB9 5 \x97 \xA8\xEB\xEA\xE0, \xB8\xE6, \xAF\xE6\xE0\xEA",
                      "CP1251"),
        "«Привет», № 5 — Ёлка, ёж, Їжак");
}

TYPED_TEST(TextConverterContract, EveryByteBecomesOneCharacterAndUndefinedOnesTheReplacement) {
    for (const char* codePage : {"CP1252", "CP1251"}) {
        SCOPED_TRACE(codePage);
        const std::optional<std::string> text = this->convert(allBytes(), codePage);
        ASSERT_TRUE(text);
        const auto points = codePoints(*text);
        ASSERT_TRUE(points) << "well-formed UTF-8";
        EXPECT_EQ(points->size(), 256u);
    }
    // Holes of the two tables.
    EXPECT_EQ(this->convert("a\x81z\x9D", "CP1252"), "a" + replacement + "z" + replacement);
    EXPECT_EQ(this->convert("a\x98z", "CP1251"), "a" + replacement + "z");
}

TYPED_TEST(TextConverterContract, AnUnknownCodePageGivesNothing) {
    EXPECT_EQ(this->convert("abc", "CP99999"), std::nullopt);
    EXPECT_EQ(this->convert("abc", ""), std::nullopt);
    EXPECT_EQ(this->convert("abc", "no such code page"), std::nullopt);
}

// The fake's tables against the system's, byte by byte: a language file in either
// code page reads the same in the core's tests as in the program.
#ifdef SOLVANE_SYSTEM_TEXT_CONVERTER_TRAITS
TEST(FakeTextConverterTables, AgreeWithTheSystemOnEveryByte) {
    FakeTextConverterTraits fake;
    SystemTextConverterTraits real;
    for (const char* codePage : {"CP1252", "CP1251"}) {
        for (int byte = 0; byte < 256; ++byte) {
            const std::string one(1, static_cast<char>(byte));
            EXPECT_EQ(fake.converter().toUtf8(one, codePage), real.converter().toUtf8(one, codePage))
                << codePage << " byte 0x" << std::hex << byte;
        }
    }
}
#endif

}  // namespace
}  // namespace solvane::contract
