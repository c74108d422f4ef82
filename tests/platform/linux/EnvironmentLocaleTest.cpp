#include "platform/linux/EnvironmentLocale.h"

#include <gtest/gtest.h>

#include "TempXdgEnvironment.h"

namespace solvane::linuxos {
namespace {

using Languages = std::vector<std::string>;

struct LocaleCase {
    const char* language;  // LANGUAGE, or nullptr for unset
    const char* all;       // LC_ALL
    const char* messages;  // LC_MESSAGES
    const char* lang;      // LANG
    Languages expected;
};

TEST(EnvironmentLocaleTest, ReadsTheLanguagesAsGettextDoes) {
    const LocaleCase cases[] = {
        {nullptr, nullptr, nullptr, "fr_FR.UTF-8", {"fr_FR.UTF-8"}},
        {nullptr, nullptr, "de_DE.UTF-8", "fr_FR.UTF-8", {"de_DE.UTF-8"}},
        {nullptr, "it_IT.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", {"it_IT.UTF-8"}},
        {"gd:pt_BR::ja", nullptr, nullptr, "fr_FR.UTF-8", {"gd", "pt_BR", "ja", "fr_FR.UTF-8"}},
        {"", nullptr, "", "fr_FR.UTF-8", {"fr_FR.UTF-8"}},
        // Under the C locale gettext ignores LANGUAGE.
        {"fr", nullptr, nullptr, "C.UTF-8", {}},
        {"fr", "POSIX", nullptr, "de_DE", {}},
        {"fr", nullptr, nullptr, nullptr, {}},
    };
    for (const LocaleCase& c : cases) {
        testing::ScopedEnvironment environment;
        const auto put = [&](const char* name, const char* value) {
            if (value)
                environment.set(name, QString::fromUtf8(value));
            else
                environment.unset(name);
        };
        put("LANGUAGE", c.language);
        put("LC_ALL", c.all);
        put("LC_MESSAGES", c.messages);
        put("LANG", c.lang);
        EXPECT_EQ(EnvironmentLocale().preferredLanguages(), c.expected)
            << (c.language ? c.language : "-") << " " << (c.all ? c.all : "-") << " " << (c.messages ? c.messages : "-")
            << " " << (c.lang ? c.lang : "-");
    }
}

}  // namespace
}  // namespace solvane::linuxos
