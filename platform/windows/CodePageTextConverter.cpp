#include "platform/windows/CodePageTextConverter.h"

#include <windows.h>

#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

constexpr wchar_t ReplacementCharacter = 0xFFFD;

// The number of a name "CP<digits>" (the prefix in either case); nothing for any
// other name, and for the numbers that stand for a current code page of the system
// rather than a code page of their own.
std::optional<UINT> codePageNumber(const std::string& name) {
    if (name.size() < 3 || name.size() > 7) return std::nullopt;
    if ((name[0] != 'C' && name[0] != 'c') || (name[1] != 'P' && name[1] != 'p')) return std::nullopt;
    UINT number = 0;
    for (std::size_t i = 2; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return std::nullopt;
        number = number * 10 + static_cast<UINT>(name[i] - '0');
    }
    if (number == CP_ACP || number == CP_OEMCP || number == CP_MACCP || number == CP_THREAD_ACP || number == CP_SYMBOL)
        return std::nullopt;
    return number;
}

// The ISO 8859 code pages give the bytes 0x80 to 0x9F their control characters.
bool definesControlCharacters(UINT codePage) { return codePage >= 28591 && codePage <= 28606; }

// Whether a single byte that MultiByteToWideChar turned into this character is in
// truth undefined. Windows fills the holes of its ANSI code pages in two ways and
// accepts both without an error: a hole from 0x80 to 0x9F becomes the control
// character of the same number (0x81 in CP1252 becomes U+0081), and some other holes
// become characters of the private use area (0xAA in CP1253 becomes U+F8F9). Wine
// fills them the same way, but reports the private-use ones as errors.
bool undefinedByteOf(unsigned char byte, wchar_t character, UINT codePage) {
    if (byte >= 0x80 && byte <= 0x9F && character == byte) return !definesControlCharacters(codePage);
    return character >= 0xE000 && character <= 0xF8FF;
}

}  // namespace

std::optional<std::string> CodePageTextConverter::toUtf8(const std::string& bytes, const std::string& codePage) {
    const std::optional<UINT> number = codePageNumber(codePage);
    if (!number || !IsValidCodePage(*number)) return std::nullopt;
    CPINFO info{};
    if (!GetCPInfo(*number, &info) || info.MaxCharSize < 1 || info.MaxCharSize > 2) return std::nullopt;
    const bool doubleByte = info.MaxCharSize == 2;

    // One character at a time, so that each undefined byte is found and replaced on
    // its own and what follows it still converts.
    std::wstring text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const int length = doubleByte && i + 1 < bytes.size() && IsDBCSLeadByteEx(*number, byte) ? 2 : 1;
        wchar_t character[2] = {};
        const int converted =
            MultiByteToWideChar(*number, MB_ERR_INVALID_CHARS, bytes.data() + i, length, character, 2);
        if (converted <= 0 || (length == 1 && undefinedByteOf(byte, character[0], *number))) {
            // A lead byte with a trail byte that does not fit: only the lead byte is
            // replaced, and the next byte is read again on its own.
            text += ReplacementCharacter;
            ++i;
            continue;
        }
        text.append(character, static_cast<std::size_t>(converted));
        i += static_cast<std::size_t>(length);
    }
    return windows::toUtf8(text);
}

}  // namespace solvane::windows
