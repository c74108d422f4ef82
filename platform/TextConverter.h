#pragma once
#include <optional>
#include <string>

namespace solvane::platform {

// Turns text in an 8-bit (or double-byte) Windows code page into UTF-8.
class TextConverter {
public:
    virtual ~TextConverter() = default;
    // The bytes as UTF-8; a byte sequence the code page does not define becomes U+FFFD.
    // Nothing when the code page (a name such as "CP1251") is unknown.
    virtual std::optional<std::string> toUtf8(const std::string& bytes, const std::string& codePage) = 0;
};

}  // namespace solvane::platform
