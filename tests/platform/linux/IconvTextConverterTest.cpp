#include "platform/linux/IconvTextConverter.h"

#include <gtest/gtest.h>

#include <string>

namespace solvane::linuxos {
namespace {

TEST(IconvTextConverterTest, ConvertsTheCodePagesOfTheLanguageFiles) {
    struct Case {
        const char* codePage;
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"CP1252", "Men\xFC \x80 \x93ok\x94", "Men\xC3\xBC \xE2\x82\xAC \xE2\x80\x9Cok\xE2\x80\x9D"},
        {"CP1251", "\xCC\xEE\xED\xE8\xF2\xEE\xF0 \xA8",
         "\xD0\x9C\xD0\xBE\xD0\xBD\xD0\xB8\xD1\x82\xD0\xBE\xD1\x80 \xD0\x81"},
        {"CP1250", "Zako\xF1\x63zy\xE6 \x9C", "Zako\xC5\x84\x63zy\xC4\x87 \xC5\x9B"},
        {"CP1253", "\xC1\xE8\xDE\xED\xE1", "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"},
        {"CP1254", "\xDEi\xFEli", "\xC5\x9Ei\xC5\x9Fli"},
        {"CP932", "\x82\xA0\x83\x41", "\xE3\x81\x82\xE3\x82\xA2"},  // あア
        {"CP936", "\xD6\xD0\xCE\xC4", "\xE4\xB8\xAD\xE6\x96\x87"},  // 中文
        {"CP874", "\xA1", "\xE0\xB8\x81"},                          // ก
        {"CP1252", "", ""},
    };
    IconvTextConverter converter;
    for (const Case& c : cases) {
        const auto text = converter.toUtf8(c.bytes, c.codePage);
        ASSERT_TRUE(text) << c.codePage;
        EXPECT_EQ(*text, c.utf8) << c.codePage;
    }
}

TEST(IconvTextConverterTest, AnUnknownCodePageGivesNothing) {
    IconvTextConverter converter;
    EXPECT_FALSE(converter.toUtf8("abc", "CP99999"));
    EXPECT_FALSE(converter.toUtf8("abc", ""));
}

TEST(IconvTextConverterTest, BytesTheCodePageDoesNotDefineBecomeReplacementCharacters) {
    IconvTextConverter converter;
    const std::string replacement = "\xEF\xBF\xBD";
    // 0x81 and 0x8D are undefined in Windows-1252.
    EXPECT_EQ(converter.toUtf8("a\x81z\x8D", "CP1252"), "a" + replacement + "z" + replacement);
    // A Shift-JIS lead byte at the very end has lost its second byte.
    EXPECT_EQ(converter.toUtf8("A\x82", "CP932"), "A" + replacement);
    // A lead byte followed by a byte that cannot follow it.
    const auto broken = converter.toUtf8(
        "\x82\x0A"
        "B",
        "CP932");
    ASSERT_TRUE(broken);
    EXPECT_TRUE(broken->ends_with("B")) << *broken;
}

TEST(IconvTextConverterTest, RandomBytesNeverBreakTheConversion) {
    IconvTextConverter converter;
    std::string bytes;
    std::uint32_t state = 12345;
    for (int i = 0; i < 64 * 1024; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 24);
    }
    for (const char* codePage : {"CP1252", "CP1251", "CP932", "CP936", "CP949", "CP950", "CP874", "CP1255"}) {
        const auto text = converter.toUtf8(bytes, codePage);
        ASSERT_TRUE(text) << codePage;
        // Every input byte yields at most one character of at most four bytes.
        EXPECT_LE(text->size(), bytes.size() * 4) << codePage;
        EXPECT_GE(text->size(), bytes.size() / 2) << codePage;
    }
}

}  // namespace
}  // namespace solvane::linuxos
