#include "settings/LanguageTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "settings/LanguageIdentifiers.h"

namespace solvane {
namespace {

TEST(GermanLanguageTableTest, HasTheFixedLayoutOfALanguageFile) {
    const LanguageTable& table = germanLanguageTable();
    ASSERT_EQ(table.lines.size(), 78u);
    const std::map<std::size_t, std::string> fixed{
        {2, "# Translate this file - if you like - and send it to me"},
        {3, "# Please follow these instructions to make it work"},
        {4, "# 1. Translate only lines without leading '#'"},
        {5, "# 2. Keep the exact order, do not delete lines"},
        {6, "#  "},
        {7, "#"},
        {8, "# PopupMenu:"},
        {19, "# PopupMenuHint"},
        {22, "# Options"},
        {24, "# Options, Affirmationen"},
        {40, "# File Open Dialog"},
        {43, "# Font & Color"},
        {57, "# Display"},
        {74, "# Settings"},
        {77, "# EOF :-)"},
    };
    for (const auto& [line, text] : fixed) EXPECT_EQ(table.line(line), text) << "line " << line;
    EXPECT_TRUE(table.line(0).starts_with("Solvane")) << table.line(0);
    EXPECT_NE(table.line(0).find("LanguageFile"), std::string::npos);
    EXPECT_TRUE(table.line(1).starts_with("# http"));
    // Every other line from 9 on is a text, not a note.
    for (std::size_t line = 9; line < 77; ++line) {
        if (fixed.count(line)) continue;
        EXPECT_FALSE(table.line(line).empty()) << "line " << line;
        EXPECT_NE(table.line(line).front(), '#') << "line " << line;
    }
}

TEST(LanguageTableTest, ALineBeyondTheEndReadsAsAComment) {
    const LanguageTable table{{"a", "b"}};
    EXPECT_EQ(table.line(1), "b");
    EXPECT_EQ(table.line(2), "#");
    EXPECT_EQ(LanguageTable{}.line(0), "#");
}

TEST(LanguageIdentifiersTest, NonWesternLanguagesAreDecodedFromTheirOwnCodePage) {
    struct Case {
        std::int32_t identifier;
        const char* codePage;
    };
    const Case cases[] = {
        {1049, "CP1251"}, {3098, "CP1251"}, {1045, "CP1250"}, {2074, "CP1250"}, {1032, "CP1253"}, {1055, "CP1254"},
        {9999, "CP1254"}, {1037, "CP1255"}, {1065, "CP1256"}, {1063, "CP1257"}, {1054, "CP874"},  {1041, "CP932"},
        {2052, "CP936"},  {1042, "CP949"},  {1028, "CP950"},  {15, "CP1252"},   {1160, "CP1252"}, {3082, "CP1252"},
    };
    for (const Case& c : cases) {
        const auto entry = languageFileFor(c.identifier);
        ASSERT_TRUE(entry) << c.identifier;
        EXPECT_EQ(entry->codePage, c.codePage) << c.identifier;
    }
}

TEST(LanguageIdentifiersTest, EnglishGermanAndUnlistedIdentifiersHaveNoFile) {
    for (std::int32_t identifier :
         {EnglishLanguage, GermanLanguage, 0, -1, 14, 16, 1027, 1033, 1056, 2057, 3081, 9998, 10000, 1049 + 65536}) {
        EXPECT_FALSE(languageFileFor(identifier)) << identifier;
    }
}

TEST(LanguageIdentifiersTest, Lists45FilesAndNoIdentifierTwice) {
    std::set<std::int32_t> identifiers;
    std::set<std::string> files;
    for (const LanguageFileEntry& entry : languageFileEntries()) {
        EXPECT_TRUE(identifiers.insert(entry.identifier).second) << entry.identifier;
        files.insert(entry.fileName);
        EXPECT_TRUE(entry.fileName.ends_with(".txt"));
        EXPECT_TRUE(entry.codePage.starts_with("CP"));
    }
    EXPECT_EQ(files.size(), 45u);
    EXPECT_EQ(identifiers.size(), 48u);  // three languages have a second identifier
}

}  // namespace
}  // namespace solvane
