#include "display/VisibleLine.h"

#include <algorithm>

namespace solvane {

std::size_t longestVisibleLine(int width) {
    return static_cast<std::size_t>(std::max(width, 0)) * DrawnCharactersPerPixel + VisibleLineMargin;
}

std::string cutCaption(const std::string& caption, std::size_t drawnCharacters) {
    const auto continues = [&caption](std::size_t at) {
        return (static_cast<unsigned char>(caption[at]) & 0xC0) == 0x80;
    };
    std::size_t at = 0;
    for (std::size_t drawn = 0; at < caption.size(); ++drawn) {
        if (drawn == drawnCharacters) return caption.substr(0, at);
        // An access-key mark draws nothing of its own: it goes with the character after it.
        if (caption[at] == '&' && at + 1 < caption.size()) ++at;
        ++at;
        while (at < caption.size() && continues(at)) ++at;
    }
    return caption;
}

}  // namespace solvane
