#include "platform/windows/ProgramCommandLine.h"

#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace solvane::windows {
namespace {

CommandLine wordsOf(const wchar_t* commandLine) { return CommandLine::parse(wordsAfterProgramPath(commandLine)); }

TEST(ProgramCommandLine, AQuotedProgramPathWithBlanksIsNoWord) {
    // As the log-on entry and the restart write it.
    const CommandLine words = wordsOf(LR"("C:\Program Files\Solvane\solvane.exe" hide)");
    EXPECT_EQ(words.word1, "hide");
    EXPECT_EQ(words.word2, "");
    // A path with a blank but without quotes ends at the blank, as Windows reads it.
    EXPECT_EQ(wordsOf(LR"(C:\Tools\solvane.exe reload normal 3)").word3, "3");
}

TEST(ProgramCommandLine, TheWordsKeepTheirQuotesRulesAndAnyLetter) {
    const CommandLine words = wordsOf(L"solvane.exe\t\"op\"tions \"\x00E4 b\" x");
    EXPECT_EQ(words.word1, "options");
    EXPECT_EQ(words.word2, "\xC3\xA4 b");
    EXPECT_EQ(words.word3, "x");
    // Nothing after the path, or a path alone that lost its closing quote.
    EXPECT_EQ(wordsOf(L"solvane.exe").word1, "");
    EXPECT_EQ(wordsOf(L"\"C:\\a b\\solvane.exe").word1, "");
}

}  // namespace
}  // namespace solvane::windows
