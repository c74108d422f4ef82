#pragma once
#include <optional>
#include <string>

#include "platform/TextConverter.h"

namespace solvane::linuxos {

// Code-page conversion through the C library's iconv. Bytes the code page does not
// define, and a character cut off at the end, become U+FFFD; the work is bounded by
// the input's length.
class IconvTextConverter final : public platform::TextConverter {
public:
    std::optional<std::string> toUtf8(const std::string& bytes, const std::string& codePage) override;
};

}  // namespace solvane::linuxos
