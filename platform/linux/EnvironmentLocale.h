#pragma once
#include "platform/DesktopLocale.h"

namespace solvane::linuxos {

// The desktop's languages from the environment, read as gettext reads them: the
// locale of messages is the first set of LC_ALL, LC_MESSAGES and LANG; LANGUAGE, a
// colon-separated list of preferences, comes before it unless that locale is "C" or
// "POSIX", where LANGUAGE is ignored.
class EnvironmentLocale final : public platform::DesktopLocale {
public:
    std::vector<std::string> preferredLanguages() override;
};

}  // namespace solvane::linuxos
