#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace solvane {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

class ParseIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerTest, ReadsWordThreeAsTheProgramDoes) {
    const IntegerCase& c = GetParam();
    EXPECT_EQ(parseInteger(c.text), c.expected) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseIntegerTest,
    ::testing::Values(IntegerCase{"3", 3}, IntegerCase{"0", 0}, IntegerCase{"-7", -7}, IntegerCase{"+12", 12},
                      IntegerCase{"  42", 42},           // leading blanks are allowed
                      IntegerCase{"42 ", std::nullopt},  // trailing ones are not
                      IntegerCase{"007", 7}, IntegerCase{"$1F", 31}, IntegerCase{"x1f", 31}, IntegerCase{"X10", 16},
                      IntegerCase{"0x10", 16}, IntegerCase{"0X7fffffff", 2147483647}, IntegerCase{"-$10", -16},
                      IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", -2147483647 - 1},
                      IntegerCase{"2147483648", std::nullopt},  // beyond 32 bits
                      IntegerCase{"-2147483649", std::nullopt}, IntegerCase{"$80000000", std::nullopt},
                      IntegerCase{"99999999999999999999", std::nullopt}, IntegerCase{"", std::nullopt},
                      IntegerCase{"-", std::nullopt}, IntegerCase{"+", std::nullopt}, IntegerCase{"$", std::nullopt},
                      IntegerCase{"0x", std::nullopt}, IntegerCase{"3a", std::nullopt},
                      IntegerCase{"1.5", std::nullopt}, IntegerCase{"$G", std::nullopt},
                      IntegerCase{"--1", std::nullopt}, IntegerCase{"\t3", std::nullopt}));

TEST(CommandLineTest, SplitsWordsAtBlanksAndControlCharactersAndKeepsQuotedStretches) {
    EXPECT_EQ(splitCommandLine("reload  normal\t3"), (std::vector<std::string>{"reload", "normal", "3"}));
    EXPECT_EQ(splitCommandLine("\"re load\" x"), (std::vector<std::string>{"re load", "x"}));
    EXPECT_EQ(splitCommandLine("a\"b c\"d e"), (std::vector<std::string>{"ab cd", "e"}));
    EXPECT_EQ(splitCommandLine("  \x01 hide \x1f"), (std::vector<std::string>{"hide"}));
    EXPECT_TRUE(splitCommandLine("   ").empty());
}

TEST(CommandLineTest, ReadsThreeWordsAndIgnoresTheRest) {
    const CommandLine line = CommandLine::parse("reload hide 5 extra words");
    EXPECT_EQ(line.word1, "reload");
    EXPECT_EQ(line.word2, "hide");
    EXPECT_EQ(line.word3, "5");

    const CommandLine shortLine = CommandLine::fromArguments({"options"});
    EXPECT_EQ(shortLine.word1, "options");
    EXPECT_EQ(shortLine.word2, "");
    EXPECT_EQ(shortLine.word3, "");
}

TEST(CommandLineTest, LowerCasesOnlyAsciiLetters) {
    EXPECT_EQ(asciiLower("HiDe"), "hide");
    EXPECT_EQ(asciiLower("ÄRGER"), "Ärger");
}

}  // namespace
}  // namespace solvane
