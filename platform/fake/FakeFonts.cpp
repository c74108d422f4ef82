#include "platform/fake/FakeServices.h"

namespace solvane::fake {

std::size_t FakeFonts::drawnCharacters(const std::string& caption) {
    std::string drawn;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                drawn += '&';
                ++i;
            }
            continue;
        }
        drawn += caption[i];
    }
    return utf8Length(drawn);
}

Size FakeFonts::measureCaption(const std::string& text, const FontSpec& font) {
    ++measurements;
    return {static_cast<int>(drawnCharacters(text)) * font.size / 2, font.size * 3 / 2};
}

}  // namespace solvane::fake
