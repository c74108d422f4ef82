#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace solvane {

// The language identifier (as the installer records it) of a locale name such as
// "fr_FR.UTF-8", "pt_BR", "zh_TW" or "sr_RS@latin"; nothing for a language without
// interface texts and for "C" and "POSIX".
std::optional<std::int32_t> languageOfLocale(const std::string& locale);

// The first of the desktop's languages that has interface texts; nothing when none has.
std::optional<std::int32_t> desktopLanguage(const std::vector<std::string>& locales);

}  // namespace solvane
