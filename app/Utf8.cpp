#include "app/Utf8.h"

namespace solvane {

namespace {
bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Byte length of the character that starts at `pos`.
std::size_t characterBytes(const std::string& text, std::size_t pos) {
    std::size_t next = pos + 1;
    while (next < text.size() && next - pos < 4 && isContinuation(static_cast<unsigned char>(text[next]))) ++next;
    return next - pos;
}
}  // namespace

std::size_t utf8Length(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += characterBytes(text, pos)) ++count;
    return count;
}

std::string utf8Prefix(const std::string& text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t taken = 0; pos < text.size() && taken < count; ++taken) pos += characterBytes(text, pos);
    return text.substr(0, pos);
}

}  // namespace solvane
