#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace solvane {

// Language identifiers as the installer records them (Windows language identifiers,
// and 15, 1160, 9999 for Icelandic, Welsh and Kurdish).
inline constexpr std::int32_t EnglishLanguage = 1033;
inline constexpr std::int32_t GermanLanguage = 1031;

// A language that comes as a file: its identifier, the file's bare name and the
// Windows code page its translators write in (used when the file is not UTF-8).
struct LanguageFileEntry {
    std::int32_t identifier;
    std::string fileName;
    std::string codePage;
};

// Every identifier that has a language file, aliases included.
const std::vector<LanguageFileEntry>& languageFileEntries();

// Whether the language is written from right to left (Arabic, Hebrew, Farsi): its
// interface is mirrored, with the captions starting at the right.
bool writesRightToLeft(std::int32_t identifier);

// The entry for an identifier; nothing for English, for German (whose texts are
// built in) and for identifiers without a language file.
std::optional<LanguageFileEntry> languageFileFor(std::int32_t identifier);

}  // namespace solvane
