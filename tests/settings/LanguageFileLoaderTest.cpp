#include "settings/LanguageFileLoader.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeServices.h"
#include "platform/fake/FakeTextConverter.h"

namespace solvane {
namespace {

const LanguageFileEntry French{1036, "french.txt", "CP1252"};
const LanguageFileEntry Russian{1049, "russian.txt", "CP1251"};
const LanguageFileEntry Thai{1054, "thai.txt", "CP874"};  // a code page the fake converter does not know

struct LanguageFileLoaderTest : ::testing::Test {
    void place(const LanguageFileEntry& language, const std::string& content) {
        files.files["/opt/solvane/bin/" + language.fileName] = content;
    }
    bool load(const LanguageFileEntry& language) { return LoadLanguageFile(table, language, files, converter); }

    fake::FakeProgramFiles files;
    fake::FakeTextConverter converter;
    LanguageTable table{{"unchanged"}};
};

TEST_F(LanguageFileLoaderTest, AMissingFileLeavesTheTableAsItWas) {
    EXPECT_FALSE(load(French));
    EXPECT_EQ(table.lines, std::vector<std::string>{"unchanged"});
}

TEST_F(LanguageFileLoaderTest, AnUnreadableFileLeavesTheTableAsItWas) {
    place(French, "a\nb\n");
    files.unreadable.push_back("/opt/solvane/bin/french.txt");
    EXPECT_FALSE(load(French));
    EXPECT_EQ(table.lines, std::vector<std::string>{"unchanged"});
}

TEST_F(LanguageFileLoaderTest, SplitsAtEveryKindOfLineBreakAndPadsTo99Lines) {
    struct Case {
        const char* name;
        std::string content;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\nc\r\n", {"a", "b", "c"}},
        {"LF", "a\nb\nc\n", {"a", "b", "c"}},
        {"CR", "a\rb\rc\r", {"a", "b", "c"}},
        {"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"no final break", "a\nb", {"a", "b"}},
        {"empty lines kept", "a\n\n\r\n\rb\n", {"a", "", "", "", "b"}},
        {"LF CR is two breaks", "a\n\rb", {"a", "", "b"}},
        {"empty file", "", {}},
        {"only a break", "\r\n", {""}},
    };
    for (const Case& c : cases) {
        place(French, c.content);
        ASSERT_TRUE(load(French)) << c.name;
        ASSERT_EQ(table.lines.size(), 99u) << c.name;
        for (std::size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(table.lines[i], c.lines[i]) << c.name << " line " << i;
        for (std::size_t i = c.lines.size(); i < 99; ++i) EXPECT_EQ(table.lines[i], "#") << c.name << " line " << i;
    }
}

TEST_F(LanguageFileLoaderTest, KeepsNoMoreThan99Lines) {
    std::string content;
    for (int i = 0; i < 120; ++i) content += "line " + std::to_string(i) + "\r\n";
    place(French, content);
    ASSERT_TRUE(load(French));
    ASSERT_EQ(table.lines.size(), 99u);
    EXPECT_EQ(table.lines[98], "line 98");
}

TEST_F(LanguageFileLoaderTest, ReadsUtf8AsItIsWithoutItsByteOrderMark) {
    place(French, "\xEF\xBB\xBFSolvane\n&D\xC3\xA9marrer\n\xD0\x9C\xD0\xB8\xD1\x80\n");
    ASSERT_TRUE(load(French));
    EXPECT_EQ(table.lines[0], "Solvane");
    EXPECT_EQ(table.lines[1], "&D\xC3\xA9marrer");
    EXPECT_EQ(table.lines[2], "\xD0\x9C\xD0\xB8\xD1\x80");
    EXPECT_TRUE(converter.requests.empty());
}

TEST_F(LanguageFileLoaderTest, DecodesAnyOtherFileFromTheLanguagesCodePage) {
    // "Монитор" and "Отмена" as Windows-1251 bytes.
    place(Russian, "Solvane\r\n\xCC\xEE\xED\xE8\xF2\xEE\xF0\r\n\xCE\xF2\xEC\xE5\xED\xE0\r\n");
    ASSERT_TRUE(load(Russian));
    EXPECT_EQ(table.lines[1], "\xD0\x9C\xD0\xBE\xD0\xBD\xD0\xB8\xD1\x82\xD0\xBE\xD1\x80");
    EXPECT_EQ(table.lines[2], "\xD0\x9E\xD1\x82\xD0\xBC\xD0\xB5\xD0\xBD\xD0\xB0");
    ASSERT_FALSE(converter.requests.empty());
    for (const auto& request : converter.requests) EXPECT_EQ(request.codePage, "CP1251");
}

TEST_F(LanguageFileLoaderTest, OneInvalidUtf8SequenceSendsTheWholeFileThroughTheCodePage) {
    struct Case {
        const char* name;
        std::string badLine;
    };
    // Each of these is not UTF-8; the first line "Caf\xC3\xA9" alone would be.
    const Case cases[] = {
        {"Latin-1 letter", "Men\xFC"},          {"overlong slash", "\xC0\xAF"}, {"surrogate", "\xED\xA0\x80"},
        {"above U+10FFFF", "\xF4\x90\x80\x80"}, {"cut sequence", "\xE2\x82"},   {"stray continuation", "\x80"},
    };
    for (const Case& c : cases) {
        converter.requests.clear();
        place(French, "Caf\xC3\xA9\n" + c.badLine + "\n");
        ASSERT_TRUE(load(French)) << c.name;
        EXPECT_EQ(table.lines[0], "Caf\xC3\x83\xC2\xA9") << c.name;  // the two bytes read as CP1252
        EXPECT_EQ(converter.requests.size(), 2u) << c.name;
    }
}

TEST_F(LanguageFileLoaderTest, AByteOrderMarkDoesNotMakeAFileUtf8) {
    place(French, "\xEF\xBB\xBFMen\xFC\n");
    ASSERT_TRUE(load(French));
    EXPECT_EQ(table.lines[0], "\xC3\xAF\xC2\xBB\xC2\xBFMen\xC3\xBC");
}

TEST_F(LanguageFileLoaderTest, AFileInACodePageThatCannotBeConvertedIsNotLoaded) {
    place(Thai, "\xC0\xC1\xC2\n");
    EXPECT_FALSE(load(Thai));
    EXPECT_EQ(table.lines, std::vector<std::string>{"unchanged"});
    // A UTF-8 file in the same language needs no conversion.
    place(Thai, "\xE0\xB8\x81\n");
    EXPECT_TRUE(load(Thai));
    EXPECT_EQ(table.lines[0], "\xE0\xB8\x81");
}

TEST_F(LanguageFileLoaderTest, AnOverLongLineReadsAsHashAndEveryOtherLineKeepsItsPlace) {
    std::string content;
    for (int i = 0; i < 80; ++i) {
        if (i == 30)
            content += std::string(LanguageLineLimit * 3 + 7, 'x') + "\r\n";
        else
            content += "line " + std::to_string(i) + "\r\n";
    }
    place(French, content);
    ASSERT_TRUE(load(French));
    ASSERT_EQ(table.lines.size(), 99u);
    for (int i = 0; i < 80; ++i) {
        if (i != 30) {
            EXPECT_EQ(table.lines[i], "line " + std::to_string(i));
        }
    }
    EXPECT_EQ(table.lines[30], "#");
    EXPECT_EQ(table.lines[80], "#");
}

TEST_F(LanguageFileLoaderTest, ALineOfExactlyTheLimitIsKeptOneByteMoreIsNot) {
    const std::string longest(LanguageLineLimit, 'y');
    place(French, "first\n" + longest + "\n" + longest + "z\nlast\n" + longest + "z");
    ASSERT_TRUE(load(French));
    EXPECT_EQ(table.lines[0], "first");
    EXPECT_EQ(table.lines[1], longest);
    EXPECT_EQ(table.lines[2], "#");
    EXPECT_EQ(table.lines[3], "last");
    EXPECT_EQ(table.lines[4], "#");  // an over-long last line without a break as well
    EXPECT_EQ(table.lines[5], "#");
}

TEST_F(LanguageFileLoaderTest, BreaksAreFoundWhereverTheFileIsCutIntoPieces) {
    // Long lines push the breaks across every offset near the 64 KiB pieces the file is read in.
    for (std::size_t shift = 0; shift < 4; ++shift) {
        SCOPED_TRACE(shift);
        const std::string filler(LanguageLineLimit - 3 + shift, 'f');
        place(French, filler + "\r\nsecond\r" + filler + "\r\nfourth\n");
        ASSERT_TRUE(load(French));
        EXPECT_EQ(table.lines[0], filler);
        EXPECT_EQ(table.lines[1], "second");
        EXPECT_EQ(table.lines[2], filler);
        EXPECT_EQ(table.lines[3], "fourth");
        EXPECT_EQ(table.lines[4], "#");
    }
}

TEST_F(LanguageFileLoaderTest, StopsLookingAtAHugeFileAtTheScanLimit) {
    // The line that crosses the limit is cut there and dropped; what follows is never read.
    std::string content = "first\n";
    content += std::string(LanguageFileScanLimit, 'x') + "\nlate\n";
    place(French, content);
    ASSERT_TRUE(load(French));
    EXPECT_EQ(table.lines[0], "first");
    EXPECT_EQ(table.lines[1], "#");
    EXPECT_EQ(table.lines[2], "#");
    EXPECT_EQ(table.lines.size(), 99u);
}

TEST_F(LanguageFileLoaderTest, ALastLineEndingRightAtTheScanLimitIsKeptOnlyWhenTheFileEndsThere) {
    // 97 over-long lines fill the scanned bytes up to a last line "end" without a break.
    const std::size_t lines = 97;
    const std::size_t fill = LanguageFileScanLimit - 3;
    std::string content;
    for (std::size_t i = 0; i < lines; ++i) {
        const std::size_t length = fill / lines - 1 + (i == 0 ? fill % lines : 0);
        content += std::string(length, 'o') + "\n";
    }
    content += "end";
    ASSERT_EQ(content.size(), LanguageFileScanLimit);
    place(French, content);
    ASSERT_TRUE(load(French));
    EXPECT_EQ(table.lines[96], "#");
    EXPECT_EQ(table.lines[97], "end");

    place(French, content + "ing");  // the line goes on beyond the limit: cut, so dropped
    ASSERT_TRUE(load(French));
    EXPECT_EQ(table.lines[97], "#");
}

TEST_F(LanguageFileLoaderTest, ABinaryFileIsReadWithoutHarm) {
    std::string content;
    for (int i = 0; i < 3 * 256; ++i) content += static_cast<char>(i % 256);
    place(French, content);
    ASSERT_TRUE(load(French));
    EXPECT_EQ(table.lines.size(), 99u);
    EXPECT_EQ(table.lines[0], std::string("\0\x01\x02\x03\x04\x05\x06\x07\x08\x09", 10));
}

}  // namespace
}  // namespace solvane
