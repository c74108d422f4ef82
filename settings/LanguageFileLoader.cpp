#include "settings/LanguageFileLoader.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ProgramFiles.h"
#include "platform/TextConverter.h"

namespace solvane {

namespace {

constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

// Collects at most `wanted` lines from the file's bytes, fed piece by piece. Every
// code page a language file may use keeps CR and LF as single bytes, so this works
// before decoding. A line longer than LanguageLineLimit is not kept: it reads "#".
class LineCollector {
public:
    explicit LineCollector(std::size_t wanted) : wanted_(wanted) {}

    bool full() const { return lines_.size() >= wanted_; }

    void feed(std::string_view bytes) {
        std::size_t start = 0;
        // A CR that ended the last piece and an LF that starts this one are one break.
        if (afterCarriageReturn_ && !bytes.empty() && bytes.front() == '\n') start = 1;
        afterCarriageReturn_ = false;
        while (start < bytes.size() && !full()) {
            const std::size_t end = bytes.find_first_of("\r\n", start);
            if (end == std::string_view::npos) {
                append(bytes.substr(start));
                return;
            }
            append(bytes.substr(start, end - start));
            endLine();
            start = end + 1;
            if (bytes[end] == '\r') {
                if (start == bytes.size())
                    afterCarriageReturn_ = true;
                else if (bytes[start] == '\n')
                    ++start;
            }
        }
    }

    // The lines read. A last line without its break counts when the file ended there;
    // when the file was cut off instead, that line is incomplete and dropped.
    std::vector<std::string> finish(bool fileEnded) {
        if (fileEnded && !full() && (!line_.empty() || overLong_)) endLine();
        return std::move(lines_);
    }

private:
    void append(std::string_view part) {
        if (overLong_) return;
        if (line_.size() + part.size() > LanguageLineLimit) {
            overLong_ = true;
            std::string().swap(line_);
            return;
        }
        line_.append(part);
    }
    void endLine() {
        lines_.push_back(overLong_ ? std::string("#") : std::move(line_));
        line_.clear();
        overLong_ = false;
    }

    std::size_t wanted_;
    std::vector<std::string> lines_;
    std::string line_;
    bool overLong_ = false;
    bool afterCarriageReturn_ = false;
};

// The file's first `wanted` lines, or nothing when it cannot be read. Only one piece
// of the file is held at a time.
std::optional<std::vector<std::string>> readLines(platform::ProgramFiles& files, const std::string& path,
                                                  std::size_t wanted) {
    constexpr std::size_t PieceBytes = std::size_t{64} * 1024;
    LineCollector collector(wanted);
    std::size_t offset = 0;
    bool fileEnded = false;
    while (!collector.full()) {
        if (offset >= LanguageFileScanLimit) {
            // Looked at enough; one byte more tells whether the file ends here.
            const std::optional<std::string> more = files.readAt(path, offset, 1);
            if (!more) return std::nullopt;
            fileEnded = more->empty();
            break;
        }
        const std::size_t ask = std::min(PieceBytes, LanguageFileScanLimit - offset);
        const std::optional<std::string> piece = files.readAt(path, offset, ask);
        if (!piece) return std::nullopt;
        collector.feed(*piece);
        offset += piece->size();
        if (piece->size() < ask) {
            fileEnded = true;
            break;
        }
    }
    return collector.finish(fileEnded);
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
    std::optional<std::vector<std::string>> lines = readLines(files, *path, LanguageTableLines);
    if (!lines) return false;
    lines = decodeLines(std::move(*lines), language.codePage, converter);
    if (!lines) return false;
    lines->resize(LanguageTableLines, "#");
    table.lines = std::move(*lines);
    return true;
}

}  // namespace solvane
