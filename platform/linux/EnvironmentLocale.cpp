#include "platform/linux/EnvironmentLocale.h"

#include <cstdlib>

namespace solvane::linuxos {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool isPlainC(const std::string& locale) { return locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0; }

}  // namespace

std::vector<std::string> EnvironmentLocale::preferredLanguages() {
    std::string messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = variable(name);
        if (!messages.empty()) break;
    }
    if (messages.empty() || isPlainC(messages)) return {};

    std::vector<std::string> languages;
    const std::string preferences = variable("LANGUAGE");
    std::size_t start = 0;
    while (start <= preferences.size()) {
        const std::size_t end = std::min(preferences.find(':', start), preferences.size());
        if (end > start) languages.push_back(preferences.substr(start, end - start));
        start = end + 1;
    }
    languages.push_back(messages);
    return languages;
}

}  // namespace solvane::linuxos
