#include "platform/fake/FakeServices.h"

#include <algorithm>
#include <cstdint>

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
    if (++measurements > measurementLimit) throw std::runtime_error("The text was measured too often.");
    const auto capped = [](std::int64_t pixels) {
        return static_cast<int>(std::min<std::int64_t>(pixels, std::numeric_limits<int>::max()));
    };
    const auto characters = static_cast<std::int64_t>(drawnCharacters(text));
    return {capped(characters * font.size / 2), capped(std::int64_t{font.size} * 3 / 2)};
}

}  // namespace solvane::fake
