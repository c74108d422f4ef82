#include "app/CommandLine.h"

#include <cctype>

namespace solvane {

namespace {
bool isSeparator(char c) { return static_cast<unsigned char>(c) <= 32; }

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
}  // namespace

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (true) {
        while (pos < commandLine.size() && isSeparator(commandLine[pos])) ++pos;
        if (pos >= commandLine.size()) break;
        std::string word;
        bool quoted = false;
        for (; pos < commandLine.size(); ++pos) {
            const char c = commandLine[pos];
            if (c == '"') {
                quoted = !quoted;
            } else if (!quoted && isSeparator(c)) {
                break;
            } else {
                word += c;
            }
        }
        words.push_back(word);
    }
    return words;
}

CommandLine CommandLine::fromArguments(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (!arguments.empty()) line.word1 = arguments[0];
    if (arguments.size() > 1) line.word2 = arguments[1];
    if (arguments.size() > 2) line.word3 = arguments[2];
    return line;
}

CommandLine CommandLine::parse(const std::string& commandLine) { return fromArguments(splitCommandLine(commandLine)); }

std::optional<std::int32_t> parseInteger(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    if (pos >= text.size()) return std::nullopt;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = base == 16 ? hexDigit(text[pos])
                                     : (std::isdigit(static_cast<unsigned char>(text[pos])) ? text[pos] - '0' : -1);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > 2147483648LL) return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > 2147483647LL || value < -2147483648LL) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string asciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace solvane
