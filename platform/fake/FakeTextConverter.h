#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/TextConverter.h"

namespace solvane::fake {

// Knows two code pages by table, as the system converts them: CP1252 (Western) and
// CP1251 (Cyrillic). Bytes a code page does not define become U+FFFD; other code
// pages are unknown. Records every request so tests can see what was converted.
class FakeTextConverter : public platform::TextConverter {
public:
    struct Request {
        std::string bytes;
        std::string codePage;
    };
    std::vector<Request> requests;

    std::optional<std::string> toUtf8(const std::string& bytes, const std::string& codePage) override {
        requests.push_back({bytes, codePage});
        if (codePage != "CP1252" && codePage != "CP1251") return std::nullopt;
        std::string text;
        for (unsigned char byte : bytes) {
            appendUtf8(text, codePage == "CP1252" ? fromCp1252(byte) : fromCp1251(byte));
        }
        return text;
    }

    static constexpr char32_t Replacement = 0xFFFD;

    static char32_t fromCp1252(unsigned char byte) {
        // 0x80 to 0x9F: the typographic signs Windows put where Latin-1 has control codes.
        static constexpr std::array<char32_t, 32> high = {
            0x20AC,      Replacement, 0x201A, 0x0192, 0x201E, 0x2026,      0x2020, 0x2021,
            0x02C6,      0x2030,      0x0160, 0x2039, 0x0152, Replacement, 0x017D, Replacement,
            Replacement, 0x2018,      0x2019, 0x201C, 0x201D, 0x2022,      0x2013, 0x2014,
            0x02DC,      0x2122,      0x0161, 0x203A, 0x0153, Replacement, 0x017E, 0x0178};
        if (byte >= 0x80 && byte <= 0x9F) return high[byte - 0x80];
        return byte;  // ASCII and 0xA0 to 0xFF are Latin-1
    }

    static char32_t fromCp1251(unsigned char byte) {
        // 0x80 to 0xBF: the letters of the other Cyrillic alphabets, quotes and signs.
        static constexpr std::array<char32_t, 64> high = {
            0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,      0x040A,
            0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, Replacement, 0x2122,
            0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490,      0x00A6,
            0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406,      0x0456,
            0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};
        if (byte < 0x80) return byte;
        if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);  // А to я
        return high[byte - 0x80];
    }

    static void appendUtf8(std::string& out, char32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
};

}  // namespace solvane::fake
