// Language files as they come from translators: any bytes, in the code page of any
// language of the table, read by the program's loader with the real iconv converter.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/fake/FakeServices.h"
#include "platform/linux/IconvTextConverter.h"
#include "settings/LanguageFileLoader.h"
#include "settings/LanguageIdentifiers.h"
#include "settings/LanguageTable.h"

namespace {

using namespace solvane;

// One entry per code page of the language table, in table order.
std::vector<LanguageFileEntry> oneLanguagePerCodePage() {
    std::vector<LanguageFileEntry> languages;
    for (const LanguageFileEntry& entry : languageFileEntries()) {
        bool seen = false;
        for (const LanguageFileEntry& kept : languages) seen = seen || kept.codePage == entry.codePage;
        if (!seen) languages.push_back(entry);
    }
    return languages;
}

bool isUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

// The first byte chooses the code page; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<LanguageFileEntry> languages = oneLanguagePerCodePage();
    if (size == 0) return 0;
    const LanguageFileEntry& language = languages[data[0] % languages.size()];
    fake::FakeProgramFiles files;
    files.files["/opt/solvane/bin/" + language.fileName] =
        std::string(reinterpret_cast<const char*>(data + 1), size - 1);
    linuxos::IconvTextConverter converter;
    LanguageTable table;

    // Every code page of the table is known to iconv, and every byte has a reading.
    if (!LoadLanguageFile(table, language, files, converter)) std::abort();
    if (table.lines.size() != LanguageTableLines) std::abort();
    for (const std::string& line : table.lines) {
        if (!isUtf8(line) || line.find_first_of("\r\n") != std::string::npos) std::abort();
    }
    return 0;
}
