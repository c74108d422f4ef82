#pragma once
#include <cstddef>

#include "settings/LanguageIdentifiers.h"
#include "settings/LanguageTable.h"

namespace solvane {

namespace platform {
class ProgramFiles;
class TextConverter;
}  // namespace platform

// A real language file is a few kilobytes; a huge or binary one must neither stall nor
// exhaust the program. So a file is read a piece at a time, a line longer than this
// is skipped (its place reads "#", like a missing line) and the next one read...
inline constexpr std::size_t LanguageLineLimit = std::size_t{64} * 1024;
// ...and nothing beyond this many bytes is looked at; a line that runs past it is
// cut there and dropped.
inline constexpr std::size_t LanguageFileScanLimit = std::size_t{16} * 1024 * 1024;
// A loaded table has exactly this many lines: missing ones read "#", more are dropped.
inline constexpr std::size_t LanguageTableLines = 99;

// Replaces the table by the lines of the language's file, found beside the executable
// or where the program is installed. A file in valid UTF-8 is read as such (without
// its byte-order mark); any other is converted from the language's code page. Lines
// end at CR LF, LF or CR, and a break at the end adds no line; a line over the limit
// keeps its place, as "#". False, with the table unchanged, when there is no such
// file or it cannot be read or converted.
bool LoadLanguageFile(LanguageTable& table, const LanguageFileEntry& language, platform::ProgramFiles& files,
                      platform::TextConverter& converter);

}  // namespace solvane
