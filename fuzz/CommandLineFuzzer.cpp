// The command line as the program receives it: any bytes split into words, and any
// word read as the count. The count is checked against a reading done another way.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"

namespace {

using namespace solvane;

// The count read by the standard library: blanks, a sign, "$", "x" or "0x" for hexadecimal,
// then only digits of that base, and the value within 32 signed bits.
std::optional<std::int32_t> referenceInteger(const std::string& text) {
    std::string_view rest(text);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    int base = 10;
    if (rest.starts_with("$") || rest.starts_with("x") || rest.starts_with("X")) {
        base = 16;
        rest.remove_prefix(1);
    } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
        base = 16;
        rest.remove_prefix(2);
    }
    if (rest.empty()) return std::nullopt;
    // from_chars stops at the first character that is not a digit, and takes no sign here.
    for (char c : rest) {
        const bool digit = (c >= '0' && c <= '9') || (base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        if (!digit) return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, base);
    if (error == std::errc::result_out_of_range) return std::nullopt;
    if (error != std::errc() || end != rest.data() + rest.size()) std::abort();
    if (negative ? magnitude > 2147483648ULL : magnitude > 2147483647ULL) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                              : static_cast<std::int64_t>(magnitude));
}

void checkInteger(const std::string& text) {
    const std::optional<std::int32_t> value = parseInteger(text);
    if (value != referenceInteger(text)) std::abort();
    if (value && parseInteger(std::to_string(*value)) != value) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> words = splitCommandLine(line);
    for (const std::string& word : words) {
        // Quotes only group; separators stay only where they were quoted.
        if (word.empty() && line.find('"') == std::string::npos) std::abort();
        if (word.find('"') != std::string::npos) std::abort();
        checkInteger(word);
        if (asciiLower(word).size() != word.size()) std::abort();
    }
    const CommandLine parsed = CommandLine::parse(line);
    const std::string* expected[] = {&parsed.word1, &parsed.word2, &parsed.word3};
    for (std::size_t i = 0; i < 3; ++i) {
        if (*expected[i] != (i < words.size() ? words[i] : std::string())) std::abort();
    }
    checkInteger(line);
    return 0;
}
