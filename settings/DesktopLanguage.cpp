// Maps the desktop's language (a POSIX locale name) onto the language identifiers the
// installer records, for systems where no installer records one.
#include "settings/DesktopLanguage.h"

#include <string_view>

namespace solvane {

namespace {

struct LocaleLanguage {
    std::string_view code;  // ISO 639 code, lower case
    std::int32_t identifier;
};

// One row per language that has interface texts. Languages written in two scripts or
// regional variants that have their own file are told apart below.
constexpr LocaleLanguage Languages[] = {
    {"af", 1078}, {"ar", 1025}, {"be", 1059}, {"bg", 1026},  {"bs", 5146}, {"cs", 1029}, {"cy", 1160}, {"da", 1030},
    {"de", 1031}, {"el", 1032}, {"en", 1033}, {"es", 1034},  {"et", 1061}, {"fa", 1065}, {"fi", 1035}, {"fr", 1036},
    {"he", 1037}, {"iw", 1037}, {"hr", 1050}, {"hu", 1038},  {"id", 1057}, {"in", 1057}, {"is", 15},   {"it", 1040},
    {"ja", 1041}, {"ko", 1042}, {"ku", 9999}, {"kmr", 9999}, {"lt", 1063}, {"lv", 1062}, {"mk", 1071}, {"mn", 1104},
    {"ms", 1086}, {"nb", 1044}, {"nn", 1044}, {"no", 1044},  {"nl", 1043}, {"pl", 1045}, {"pt", 1046}, {"ro", 1048},
    {"ru", 1049}, {"sk", 1051}, {"sl", 1060}, {"sq", 1052},  {"sr", 3098}, {"sv", 1053}, {"th", 1054}, {"tr", 1055},
    {"uk", 1058}, {"zh", 2052},
};

constexpr std::int32_t SerbianLatin = 2074;
constexpr std::int32_t ChineseTraditional = 1028;

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string_view text) {
    std::string result;
    for (char c : text) result += lower(c);
    return result;
}

}  // namespace

std::optional<std::int32_t> languageOfLocale(const std::string& locale) {
    // language[_territory][.codeset][@modifier]
    const std::string_view name(locale);
    const std::size_t codeEnd = name.find_first_of("_.@-");
    const std::string code = lowered(name.substr(0, codeEnd));
    const std::size_t at = name.find('@');
    const std::string modifier = at == std::string_view::npos ? "" : lowered(name.substr(at + 1));
    std::string territory;
    if (codeEnd != std::string_view::npos && (name[codeEnd] == '_' || name[codeEnd] == '-')) {
        const std::string_view rest = name.substr(codeEnd + 1);
        territory = lowered(rest.substr(0, rest.find_first_of(".@")));
    }

    for (const LocaleLanguage& language : Languages) {
        if (language.code != code) continue;
        if (code == "sr" && (modifier == "latin" || territory == "latn")) return SerbianLatin;
        if (code == "zh" && (territory == "tw" || territory == "hk" || territory == "mo" || territory == "hant"))
            return ChineseTraditional;
        return language.identifier;
    }
    return std::nullopt;
}

std::optional<std::int32_t> desktopLanguage(const std::vector<std::string>& locales) {
    for (const std::string& locale : locales) {
        if (const std::optional<std::int32_t> language = languageOfLocale(locale)) return language;
    }
    return std::nullopt;
}

}  // namespace solvane
