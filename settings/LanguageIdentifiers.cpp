#include "settings/LanguageIdentifiers.h"

namespace solvane {

const std::vector<LanguageFileEntry>& languageFileEntries() {
    static const std::vector<LanguageFileEntry> entries{
        {15, "icelandic.txt", "CP1252"},       {1025, "arabic.txt", "CP1256"},
        {1026, "bulgarian.txt", "CP1251"},     {1028, "chinese_traditional.txt", "CP950"},
        {1029, "czech.txt", "CP1250"},         {1030, "danish.txt", "CP1252"},
        {1032, "greek.txt", "CP1253"},         {1034, "spanish.txt", "CP1252"},
        {3082, "spanish.txt", "CP1252"},       {1035, "finnish.txt", "CP1252"},
        {1036, "french.txt", "CP1252"},        {1037, "hebrew.txt", "CP1255"},
        {1038, "hungarian.txt", "CP1250"},     {1040, "italian.txt", "CP1252"},
        {1041, "japanese.txt", "CP932"},       {1042, "korean.txt", "CP949"},
        {1043, "dutch.txt", "CP1252"},         {1044, "norwegian.txt", "CP1252"},
        {2068, "norwegian.txt", "CP1252"},     {1045, "polish.txt", "CP1250"},
        {1046, "portuguese.txt", "CP1252"},    {2070, "portuguese.txt", "CP1252"},
        {1048, "romanian.txt", "CP1250"},      {1049, "russian.txt", "CP1251"},
        {1050, "croatian.txt", "CP1250"},      {1051, "slovak.txt", "CP1250"},
        {1052, "albanian.txt", "CP1250"},      {1053, "swedish.txt", "CP1252"},
        {1054, "thai.txt", "CP874"},           {1055, "turkish.txt", "CP1254"},
        {1057, "indonesian.txt", "CP1252"},    {1058, "ukrainian.txt", "CP1251"},
        {1059, "belarusian.txt", "CP1251"},    {1060, "slovenian.txt", "CP1250"},
        {1061, "estonian.txt", "CP1257"},      {1062, "latvian.txt", "CP1257"},
        {1063, "lithuanian.txt", "CP1257"},    {1065, "farsi.txt", "CP1256"},
        {1071, "macedonian.txt", "CP1251"},    {1078, "afrikaans.txt", "CP1252"},
        {1086, "malay.txt", "CP1252"},         {1104, "mongolian.txt", "CP1251"},
        {1160, "welsh.txt", "CP1252"},         {2052, "chinese_simplified.txt", "CP936"},
        {2074, "serbian_latin.txt", "CP1250"}, {3098, "serbian.txt", "CP1251"},
        {5146, "bosnian.txt", "CP1250"},       {9999, "kurdish.txt", "CP1254"},
    };
    return entries;
}

bool writesRightToLeft(std::int32_t identifier) {
    return identifier == 1025 || identifier == 1037 || identifier == 1065;
}

std::optional<LanguageFileEntry> languageFileFor(std::int32_t identifier) {
    for (const LanguageFileEntry& entry : languageFileEntries()) {
        if (entry.identifier == identifier) return entry;
    }
    return std::nullopt;
}

}  // namespace solvane
