#include "platform/linux/DesktopEntryExec.h"

#include <stdexcept>
#include <string_view>

#include <QString>

namespace solvane::linuxos {

namespace {

// Blanks and the characters a shell would read as syntax; they force quoting.
constexpr std::string_view reservedCharacters = " \t\n\"'\\><~|&;$*?#()`";
// Inside double quotes these still need a backslash.
constexpr std::string_view escapedInQuotes = "\"`$\\";

void checkArgument(const std::string& argument) {
    for (const char c : argument) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            throw std::invalid_argument("A start-up command cannot hold control characters: " + argument);
    }
    if (QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size())).toStdString() != argument)
        throw std::invalid_argument("A start-up command must be valid UTF-8: " + argument);
}

// One argument by the Exec quoting rules, before the string-value escape.
std::string quoteArgument(const std::string& argument) {
    checkArgument(argument);
    const bool needsQuotes = argument.empty() || argument.find_first_of(reservedCharacters) != std::string::npos;
    std::string quoted;
    if (needsQuotes) quoted += '"';
    for (const char c : argument) {
        if (needsQuotes && escapedInQuotes.find(c) != std::string_view::npos) quoted += '\\';
        quoted += c;
        if (c == '%') quoted += '%';
    }
    if (needsQuotes) quoted += '"';
    return quoted;
}

// The escape of every desktop-entry string value: a backslash is written as two.
std::string escapeStringValue(const std::string& value) {
    std::string escaped;
    for (const char c : value) {
        if (c == '\\') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

}  // namespace

std::string desktopEntryExec(const std::string& program, const std::vector<std::string>& arguments) {
    if (program.empty()) throw std::invalid_argument("A start-up command needs a program.");
    std::string command = quoteArgument(program);
    for (const std::string& argument : arguments) command += ' ' + quoteArgument(argument);
    return escapeStringValue(command);
}

}  // namespace solvane::linuxos
