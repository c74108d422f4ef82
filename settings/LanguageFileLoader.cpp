#include "settings/LanguageFileLoader.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/ProgramFiles.h"
#include "platform/TextConverter.h"

namespace solvane {

namespace {

constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

// Splits raw bytes into at most `limit` lines. Every code page a language file may
// use keeps CR and LF as single bytes, so this works before decoding. When the bytes
// were cut off by the read limit, a last line without its break is incomplete and dropped.
std::vector<std::string> splitLines(const std::string& bytes, bool cutOff, std::size_t limit) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size() && lines.size() < limit) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            if (!cutOff) lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return lines;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(const std::string& text) {
    std::size_t i = 0;
    const std::size_t size = text.size();
    while (i < size) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;   // overlong below U+0800
            if (lead == 0xED) high = 0x9F;  // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;   // overlong below U+10000
            if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
        } else {
            return false;
        }
        if (i + length > size) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            const unsigned char min = k == 1 ? low : 0x80;
            const unsigned char max = k == 1 ? high : 0xBF;
            if (next < min || next > max) return false;
        }
        i += length;
    }
    return true;
}

// The lines as UTF-8 text, or nothing when the code page cannot be converted.
std::optional<std::vector<std::string>> decodeLines(std::vector<std::string> lines, const std::string& codePage,
                                                    platform::TextConverter& converter) {
    bool utf8 = true;
    for (const std::string& line : lines) {
        if (!isValidUtf8(line)) {
            utf8 = false;
            break;
        }
    }
    if (utf8) {
        if (!lines.empty() && lines.front().starts_with(ByteOrderMark)) lines.front().erase(0, 3);
        return lines;
    }
    for (std::string& line : lines) {
        std::optional<std::string> text = converter.toUtf8(line, codePage);
        if (!text) return std::nullopt;
        line = std::move(*text);
    }
    return lines;
}

}  // namespace

bool LoadLanguageFile(LanguageTable& table, const LanguageFileEntry& language, platform::ProgramFiles& files,
                      platform::TextConverter& converter) {
    const std::optional<std::string> path = files.findLanguageFile(language.fileName);
    if (!path) return false;
    // One byte more than is used tells whether the file goes on beyond the limit.
    std::optional<std::string> bytes = files.read(*path, LanguageFileReadLimit + 1);
    if (!bytes) return false;
    const bool cutOff = bytes->size() > LanguageFileReadLimit;
    if (cutOff) bytes->resize(LanguageFileReadLimit);

    std::optional<std::vector<std::string>> lines =
        decodeLines(splitLines(*bytes, cutOff, LanguageTableLines), language.codePage, converter);
    if (!lines) return false;
    lines->resize(LanguageTableLines, "#");
    table.lines = std::move(*lines);
    return true;
}

}  // namespace solvane
