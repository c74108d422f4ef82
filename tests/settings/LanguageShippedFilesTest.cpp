// Checks the translations that ship in languages/: their layout, their encoding and
// the access keys of the tray menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "app/TTrayIcon.h"
#include "app/Utf8.h"
#include "platform/fake/FakeServices.h"
#include "platform/fake/FakeTextConverter.h"
#include "settings/LanguageFileLoader.h"
#include "settings/LanguageIdentifiers.h"
#include "settings/LanguageTable.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t FirstMenuLine = 9;
constexpr std::size_t LastMenuLine = 18;
constexpr std::size_t LastAppliedLine = 76;
constexpr std::size_t FirstUnappliedLine = 28;
constexpr std::size_t LastUnappliedLine = 42;

fs::path languageFolder() { return fs::path(__FILE__).parent_path().parent_path().parent_path() / "languages"; }

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ShippedFile {
    std::string name;
    std::string content;
};

std::vector<ShippedFile> shippedFiles() {
    std::vector<ShippedFile> files;
    for (const auto& entry : fs::directory_iterator(languageFolder())) {
        if (entry.path().extension() == ".txt" && entry.path().filename() != "CMakeLists.txt")
            files.push_back({entry.path().filename().string(), contentOf(entry.path())});
    }
    return files;
}

// The file as the program reads it.
LanguageTable loaded(const ShippedFile& file, fake::FakeTextConverter& converter) {
    fake::FakeProgramFiles files;
    files.files["/opt/solvane/bin/" + file.name] = file.content;
    LanguageTable table;
    const auto language = std::find_if(languageFileEntries().begin(), languageFileEntries().end(),
                                       [&](const LanguageFileEntry& entry) { return entry.fileName == file.name; });
    EXPECT_NE(language, languageFileEntries().end()) << file.name;
    if (language == languageFileEntries().end()) return table;
    EXPECT_TRUE(LoadLanguageFile(table, *language, files, converter)) << file.name;
    return table;
}

// The lines of the file exactly as written (the loader pads and cuts).
std::vector<std::string> rawLines(const std::string& content) {
    std::vector<std::string> lines;
    std::istringstream in(content);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool isComment(const std::string& line) { return !line.empty() && line.front() == '#'; }

char32_t decodeAt(const std::string& text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k) c = (c << 6) | (text[i + k] & 0x3F);
    i += length;
    return c;
}

// Upper and lower case of the same letter give the same access key (Latin, Latin-1,
// Latin Extended-A and Cyrillic are enough for the shipped languages).
char32_t caseFolded(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c == 0x130) return U'i';
    if ((c >= 0x100 && c <= 0x137 && c != 0x131) || (c >= 0x14A && c <= 0x177)) return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 ? c + 1 : c;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

// The access keys a caption marks: the character after each single "&" ("&&" draws "&").
std::vector<char32_t> accessKeys(const std::string& caption) {
    std::vector<char32_t> keys;
    for (std::size_t i = 0; i < caption.size();) {
        if (caption[i] != '&') {
            ++i;
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] == '&') {
            i += 2;
            continue;
        }
        ++i;
        keys.push_back(i < caption.size() ? caseFolded(decodeAt(caption, i)) : U'\0');
    }
    return keys;
}

TEST(LanguageShippedFilesTest, TheAccessKeyHelperReadsCaptionsAsTheMenuDoes) {
    EXPECT_EQ(accessKeys("&Farbe && Schrift..."), std::vector<char32_t>{U'f'});
    EXPECT_EQ(accessKeys("Abo&ut..."), std::vector<char32_t>{U'u'});
    EXPECT_EQ(accessKeys("Save && exit"), std::vector<char32_t>{});
    EXPECT_EQ(accessKeys("&\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4"), std::vector<char32_t>{U'\x432'});  // &Выход
    EXPECT_EQ(accessKeys("\xC3\x80 &\xC3\x89t\xC3\xA9"), std::vector<char32_t>{U'\xE9'});                 // À &Été
    EXPECT_EQ(accessKeys("&\xC5\x81\xC3\xB3\x64\xC5\xBA"), std::vector<char32_t>{U'\x142'});              // &Łódź
    EXPECT_EQ(accessKeys("Two &keys &here"), (std::vector<char32_t>{U'k', U'h'}));
    EXPECT_EQ(accessKeys("End&"), std::vector<char32_t>{U'\0'});
}

TEST(LanguageShippedFilesTest, EveryLanguageOfTheTableShipsAFileAndNoFileIsStray) {
    std::set<std::string> names;
    for (const ShippedFile& file : shippedFiles()) names.insert(file.name);
    for (const LanguageFileEntry& entry : languageFileEntries()) {
        EXPECT_EQ(names.count(entry.fileName), 1u) << "no translation ships for " << entry.fileName;
    }
    for (const std::string& name : names) {
        EXPECT_TRUE(std::any_of(languageFileEntries().begin(), languageFileEntries().end(),
                                [&](const LanguageFileEntry& entry) { return entry.fileName == name; }))
            << name << " is not the file name of any language";
    }
}

TEST(LanguageShippedFilesTest, EveryFileKeepsTheLayoutOfTheTable) {
    const LanguageTable& german = germanLanguageTable();
    for (const ShippedFile& file : shippedFiles()) {
        SCOPED_TRACE(file.name);
        EXPECT_FALSE(file.content.starts_with("\xEF\xBB\xBF")) << "no byte-order mark";
        const std::vector<std::string> lines = rawLines(file.content);
        ASSERT_EQ(lines.size(), german.lines.size());
        EXPECT_EQ(lines[0], german.line(0));
        for (std::size_t n = 1; n < lines.size(); ++n) {
            // Notes for translators stay where they are, word for word; texts never start with "#".
            if (isComment(german.line(n))) {
                EXPECT_EQ(lines[n], german.line(n)) << "line " << n;
            } else {
                EXPECT_FALSE(isComment(lines[n])) << "line " << n << ": " << lines[n];
                EXPECT_FALSE(lines[n].empty()) << "line " << n;
                EXPECT_EQ(lines[n].find_first_of("\t\r"), std::string::npos) << "line " << n;
                EXPECT_EQ(lines[n], lines[n].substr(lines[n].find_first_not_of(' '))) << "line " << n;
            }
        }
    }
}

TEST(LanguageShippedFilesTest, EveryFileIsReadAsUtf8AndTranslatesTheTexts) {
    const LanguageTable& german = germanLanguageTable();
    for (const ShippedFile& file : shippedFiles()) {
        SCOPED_TRACE(file.name);
        fake::FakeTextConverter converter;
        const LanguageTable table = loaded(file, converter);
        EXPECT_TRUE(converter.requests.empty()) << "the file is not valid UTF-8";
        ASSERT_EQ(table.lines.size(), LanguageTableLines);
        std::size_t unchanged = 0;
        for (std::size_t n = FirstMenuLine; n <= LastAppliedLine; ++n) {
            if ((n >= FirstUnappliedLine && n <= LastUnappliedLine) || isComment(german.line(n))) continue;
            if (table.line(n) == german.line(n)) ++unchanged;
        }
        // A few texts are the same in many languages ("OK", "Monitor", "Pause (ca.):").
        EXPECT_LE(unchanged, 5u) << "too many lines are still German";
        EXPECT_NE(table.line(9), table.line(10)) << "Start and Stop must differ";
        for (std::size_t tip : {20, 21}) {
            EXPECT_LE(utf8Length(table.line(tip)), TTrayIcon::MaxToolTip) << "tool tip on line " << tip;
        }
    }
}

TEST(LanguageShippedFilesTest, TheTrayMenuAccessKeysDoNotCollide) {
    for (const ShippedFile& file : shippedFiles()) {
        SCOPED_TRACE(file.name);
        fake::FakeTextConverter converter;
        const LanguageTable table = loaded(file, converter);
        std::map<char32_t, std::size_t> owner;  // key -> line of the items 11 to 18
        std::map<std::size_t, char32_t> keyOf;
        for (std::size_t n = FirstMenuLine; n <= LastMenuLine; ++n) {
            const std::vector<char32_t> keys = accessKeys(table.line(n));
            ASSERT_EQ(keys.size(), 1u) << "line " << n << " needs exactly one access key: " << table.line(n);
            EXPECT_NE(keys[0], U'\0') << "line " << n;
            EXPECT_NE(keys[0], U' ') << "line " << n;
            keyOf[n] = keys[0];
        }
        for (std::size_t n = 11; n <= LastMenuLine; ++n) {
            const auto [it, fresh] = owner.emplace(keyOf[n], n);
            EXPECT_TRUE(fresh) << "lines " << it->second << " and " << n << " share an access key";
            // Start (9) and Stop (10) are one item that shows one of them at a time.
            EXPECT_NE(keyOf[n], keyOf[9]) << "line " << n << " shares its access key with Start";
            EXPECT_NE(keyOf[n], keyOf[10]) << "line " << n << " shares its access key with Stop";
        }
    }
}

}  // namespace
}  // namespace solvane
