#include "platform/windows/WindowsDesktopLocale.h"

#include <windows.h>

#include <algorithm>

#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

bool isLetters(std::string_view text) {
    for (const char c : text) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
    }
    return !text.empty();
}

std::string withCase(std::string_view text, bool upper) {
    std::string result(text);
    for (char& c : result) {
        if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

bool isTraditionalChineseRegion(const std::string& region) {
    return region == "TW" || region == "HK" || region == "MO";
}

}  // namespace

std::string posixLocaleName(std::string_view languageName) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0; start <= languageName.size();) {
        const std::size_t end = std::min(languageName.find_first_of("-_", start), languageName.size());
        parts.push_back(languageName.substr(start, end - start));
        start = end + 1;
    }
    if (!isLetters(parts.front())) return {};
    const std::string language = withCase(parts.front(), false);
    std::string script;
    std::string region;
    std::size_t next = 1;
    if (next < parts.size() && parts[next].size() == 4 && isLetters(parts[next]))
        script = withCase(parts[next++], false);
    if (next < parts.size() && parts[next].size() == 2 && isLetters(parts[next])) region = withCase(parts[next], true);

    std::string modifier;
    if (language == "zh") {
        if (script == "hant" && !isTraditionalChineseRegion(region)) region = "TW";
        if (script == "hans" && (region.empty() || isTraditionalChineseRegion(region))) region = "CN";
    } else if (script == "latn") {
        modifier = "latin";
    } else if (script == "cyrl") {
        modifier = "cyrillic";
    }
    return language + (region.empty() ? "" : "_" + region) + (modifier.empty() ? "" : "@" + modifier);
}

std::vector<std::string> WindowsDesktopLocale::preferredLanguages() {
    ULONG count = 0;
    ULONG size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) return {};
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) return {};
    names.resize(std::min<std::size_t>(size, names.size()));

    // The names follow one another, each ending with a NUL, the list with one more.
    std::vector<std::string> languages;
    for (std::size_t start = 0; start < names.size();) {
        const std::size_t end = std::min(names.find(L'\0', start), names.size());
        if (end > start) {
            const std::string name = posixLocaleName(toUtf8(std::wstring_view(names).substr(start, end - start)));
            if (!name.empty()) languages.push_back(name);
        }
        start = end + 1;
    }
    return languages;
}

}  // namespace solvane::windows
