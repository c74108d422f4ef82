#pragma once
#include <cstddef>

#include "settings/LanguageIdentifiers.h"
#include "settings/LanguageTable.h"

namespace solvane {

namespace platform {
class ProgramFiles;
class TextConverter;
}  // namespace platform

// Only the start of a language file is read: a real one is a few kilobytes, and a
// huge or binary file must neither stall nor exhaust the program.
inline constexpr std::size_t LanguageFileReadLimit = 64 * 1024;
// A loaded table has exactly this many lines: missing ones read "#", more are dropped.
inline constexpr std::size_t LanguageTableLines = 99;

// Replaces the table by the lines of the language's file, found beside the executable
// or where the program is installed. A file in valid UTF-8 is read as such (without
// its byte-order mark); any other is converted from the language's code page. Lines
// end at CR LF, LF or CR, and a break at the end adds no line. False, with the table
// unchanged, when there is no such file or it cannot be read or converted.
bool LoadLanguageFile(LanguageTable& table, const LanguageFileEntry& language, platform::ProgramFiles& files,
                      platform::TextConverter& converter);

}  // namespace solvane
