#include "platform/windows/HintComposition.h"

#include <algorithm>

namespace solvane::windows {

namespace {

// a x b / 255, rounded to the nearest integer, for a and b from 0 to 255.
std::uint32_t scale(std::uint32_t a, std::uint32_t b) {
    const std::uint32_t product = a * b + 128;
    return (product + (product >> 8)) >> 8;
}

// The source-over blend of `colour`, covering `cover` of the pixel, onto the
// premultiplied pixel.
std::uint32_t blend(std::uint32_t pixel, const std::uint32_t (&colour)[3], std::uint32_t cover) {
    const std::uint32_t rest = 255 - cover;
    const std::uint32_t alpha = cover + scale(pixel >> 24, rest);
    const std::uint32_t red = scale(colour[0], cover) + scale((pixel >> 16) & 0xFF, rest);
    const std::uint32_t green = scale(colour[1], cover) + scale((pixel >> 8) & 0xFF, rest);
    const std::uint32_t blue = scale(colour[2], cover) + scale(pixel & 0xFF, rest);
    return (alpha << 24) | (red << 16) | (green << 8) | blue;
}

void blendLayer(PixelView image, const CoverageLayer& layer) {
    const Coverage& coverage = *layer.coverage;
    const std::uint32_t colour[3] = {static_cast<std::uint32_t>(redOf(layer.colour)),
                                     static_cast<std::uint32_t>(greenOf(layer.colour)),
                                     static_cast<std::uint32_t>(blueOf(layer.colour))};
    // The part of the coverage that falls on the image.
    const int left = std::max(0, -layer.at.x);
    const int top = std::max(0, -layer.at.y);
    const int right = std::min(coverage.width, image.width - layer.at.x);
    const int bottom = std::min(coverage.height, image.height - layer.at.y);
    for (int y = top; y < bottom; ++y) {
        const std::uint8_t* covers = coverage.values.data() + static_cast<std::size_t>(y) * coverage.width;
        std::uint32_t* row = image.pixels + static_cast<std::size_t>(y + layer.at.y) * image.width;
        for (int x = left; x < right; ++x) {
            if (covers[x] == 0) continue;
            std::uint32_t& pixel = row[x + layer.at.x];
            pixel = blend(pixel, colour, covers[x]);
        }
    }
}

}  // namespace

std::uint32_t opaquePixel(Colour colour) {
    return 0xFF000000U | (static_cast<std::uint32_t>(redOf(colour)) << 16) |
           (static_cast<std::uint32_t>(greenOf(colour)) << 8) | static_cast<std::uint32_t>(blueOf(colour));
}

void composeHint(PixelView image, std::optional<Colour> background, std::span<const CoverageLayer> layers,
                 std::uint32_t clearPixel) {
    if (!image.pixels || image.width <= 0 || image.height <= 0) return;
    const std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    std::fill_n(image.pixels, count, background ? opaquePixel(*background) : clearPixel);
    for (const CoverageLayer& layer : layers) {
        if (layer.coverage &&
            layer.coverage->values.size() == static_cast<std::size_t>(layer.coverage->width) * layer.coverage->height) {
            blendLayer(image, layer);
        }
    }
}

}  // namespace solvane::windows
