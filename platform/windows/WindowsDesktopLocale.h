#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/DesktopLocale.h"

namespace solvane::windows {

// The user's display languages (GetUserPreferredUILanguages), first the preferred one,
// in the POSIX form the core reads ("fr_FR", "sr_RS@latin", "de"). On Windows they
// matter only where the installer recorded no language.
class WindowsDesktopLocale final : public platform::DesktopLocale {
public:
    std::vector<std::string> preferredLanguages() override;
};

// A Windows language name (BCP 47: language, script, region, as in "fr-FR",
// "sr-Latn-RS", "zh-Hant-TW") in the POSIX form: language_REGION, and a script that
// tells two forms of a language apart as the modifier "@latin" or "@cyrillic". Chinese
// names its script by the region that writes it: "zh-Hant" is "zh_TW", "zh-Hans" is
// "zh_CN". Numeric regions ("es-419") and variants are left out. Empty when the name
// has no language.
std::string posixLocaleName(std::string_view languageName);

}  // namespace solvane::windows
