#pragma once
#include <string>
#include <string_view>

namespace solvane::windows {

// The core speaks UTF-8; Windows' W functions speak UTF-16. Every text crosses here,
// so that any affirmation or path shows and opens as typed. A byte sequence that is
// not UTF-8 becomes U+FFFD, an unpaired surrogate from Windows becomes U+FFFD too:
// the conversion never fails and never drops the rest of the text.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

}  // namespace solvane::windows
