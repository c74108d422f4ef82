#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace solvane::windows {

// A Windows program receives its arguments as one command line, which its C runtime
// (and CommandLineToArgvW) take apart again: blanks separate arguments, a quote starts
// or ends a quoted stretch, a backslash is literal unless a run of them stands before
// a quote, where each pair means one backslash and an odd one out a literal quote.
//
// The argument as it must appear on a command line to come back unchanged: as it is
// when it needs nothing, else in quotes, with the backslashes before a quote (and
// before the closing quote) doubled and each quote escaped. An empty argument is "".
// alwaysQuote puts quotes around any argument.
std::wstring quotedArgument(std::wstring_view argument, bool alwaysQuote = false);

// The program, always in quotes (a path with blanks must not be read as a shorter
// path and arguments), then each argument as quotedArgument gives it, one blank apart.
std::wstring commandLine(std::wstring_view program, const std::vector<std::wstring>& arguments);

}  // namespace solvane::windows
