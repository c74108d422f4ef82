#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/Geometry.h"

namespace solvane::windows {

// A 32-bit image as a layered window takes it: top-down rows, each pixel 0xAARRGGBB
// (blue in the low byte) with its colour premultiplied by its alpha.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

// How much of each pixel a caption's glyphs cover, 0 (none) to 255 (whole), row by
// row, as the antialiased glyphs were drawn.
struct Coverage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> values;
};

// One text layer to blend: its glyphs' coverage, where the coverage's top left pixel
// goes in the image, and the layer's colour.
struct CoverageLayer {
    const Coverage* coverage = nullptr;
    Point at;
    Colour colour = 0;
};

// The pixel a transparent background leaves: black with an alpha of 1. It shows
// nothing a person can see, but the window takes a click there; a pixel of alpha 0
// would let the click through to the window beneath.
inline constexpr std::uint32_t ClearPixel = 0x01000000;
// The clear pixel where the system does not blend layered windows (Wine without a
// compositing manager): there every pixel of alpha above 0 shows in its own
// colour, so the ground must be fully clear, and a click between the glyphs goes to the
// window beneath.
inline constexpr std::uint32_t UnblendedClearPixel = 0;

// The colour opaque, as a pixel.
std::uint32_t opaquePixel(Colour colour);

// The affirmation window's image: the background (a solid colour, or clear when there
// is none), then each layer's colour blended through its coverage, in the order given
// (back to front). Coverage outside the image is left out. A clear background is
// filled with `clearPixel`.
void composeHint(PixelView image, std::optional<Colour> background, std::span<const CoverageLayer> layers,
                 std::uint32_t clearPixel = ClearPixel);

}  // namespace solvane::windows
