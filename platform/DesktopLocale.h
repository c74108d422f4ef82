#pragma once
#include <string>
#include <vector>

namespace solvane::platform {

// The languages the user chose for the desktop.
class DesktopLocale {
public:
    virtual ~DesktopLocale() = default;
    // Locale names in the user's order of preference ("fr_FR.UTF-8", "pt_BR",
    // "sr_RS@latin", "de"); empty when the desktop names none.
    virtual std::vector<std::string> preferredLanguages() = 0;
};

}  // namespace solvane::platform
