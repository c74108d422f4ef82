#include "platform/windows/CommandLineQuoting.h"

namespace solvane::windows {

std::wstring quotedArgument(std::wstring_view argument, bool alwaysQuote) {
    if (!alwaysQuote && !argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring_view::npos)
        return std::wstring(argument);
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') {
            // Each backslash before a quote doubles, and one more makes the quote literal.
            quoted.append(backslashes * 2 + 1, L'\\');
        } else {
            quoted.append(backslashes, L'\\');
        }
        backslashes = 0;
        quoted += c;
    }
    // Backslashes before the closing quote double, so that it stays a closing quote.
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

std::wstring commandLine(std::wstring_view program, const std::vector<std::wstring>& arguments) {
    std::wstring line = quotedArgument(program, true);
    for (const std::wstring& argument : arguments) {
        line += L' ';
        line += quotedArgument(argument);
    }
    return line;
}

}  // namespace solvane::windows
