#include "platform/windows/HintComposition.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace solvane::windows {
namespace {

std::uint32_t alphaOf(std::uint32_t pixel) { return pixel >> 24; }
std::uint32_t redIn(std::uint32_t pixel) { return (pixel >> 16) & 0xFF; }
std::uint32_t greenIn(std::uint32_t pixel) { return (pixel >> 8) & 0xFF; }
std::uint32_t blueIn(std::uint32_t pixel) { return pixel & 0xFF; }

// An image of its own pixels, filled with a value no composition leaves.
struct Image {
    Image(int width, int height)
        : pixels(static_cast<std::size_t>(width) * height, 0xDEADBEEF), view{nullptr, width, height} {
        view.pixels = pixels.data();
    }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * view.width + x]; }
    std::vector<std::uint32_t> pixels;
    PixelView view;
};

// A coverage block of one value, with an edge of partial coverage on its left.
Coverage block(int width, int height, std::uint8_t value, std::uint8_t edge) {
    Coverage coverage{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, value)};
    for (int y = 0; y < height; ++y) coverage.values[static_cast<std::size_t>(y) * width] = edge;
    return coverage;
}

TEST(HintComposition, TransparentGroundIsInvisibleButTakesClicksOutsideTheGlyphs) {
    Image image(20, 10);
    const Coverage glyph = block(4, 4, 255, 128);
    const CoverageLayer layers[] = {{&glyph, {8, 3}, rgb(200, 100, 50)}};
    composeHint(image.view, std::nullopt, layers);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool glyphPixel = x >= 8 && x < 12 && y >= 3 && y < 7;
            if (!glyphPixel) {
                EXPECT_EQ(image.at(x, y), ClearPixel) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(alphaOf(ClearPixel), 1U);
    EXPECT_EQ(ClearPixel & 0xFFFFFF, 0U);
}

TEST(HintComposition, GlyphsCarryTheirColourPremultipliedWithAntialiasedEdges) {
    Image image(20, 10);
    const Coverage glyph = block(4, 4, 255, 128);
    const CoverageLayer layers[] = {{&glyph, {8, 3}, rgb(200, 100, 50)}};
    composeHint(image.view, std::nullopt, layers);
    // Wholly covered: the colour itself, opaque; red is the colour's low byte and the
    // pixel's third.
    EXPECT_EQ(image.at(10, 5), 0xFFC86432U);
    // Half covered over the clear ground: half opaque, the colour premultiplied.
    const std::uint32_t edge = image.at(8, 5);
    EXPECT_GT(alphaOf(edge), 120U);
    EXPECT_LT(alphaOf(edge), 135U);
    EXPECT_NEAR(redIn(edge), 100, 1);
    EXPECT_NEAR(greenIn(edge), 50, 1);
    EXPECT_NEAR(blueIn(edge), 25, 1);
}

TEST(HintComposition, SolidGroundIsOpaqueEverywhereAndBlendsTheEdges) {
    Image image(20, 10);
    const Coverage glyph = block(4, 4, 255, 128);
    const CoverageLayer layers[] = {{&glyph, {8, 3}, rgb(255, 255, 255)}};
    composeHint(image.view, rgb(0, 0, 255), layers);
    for (const std::uint32_t pixel : image.pixels) EXPECT_EQ(alphaOf(pixel), 255U);
    EXPECT_EQ(image.at(0, 0), 0xFF0000FFU);  // blue ground: blue is the pixel's low byte
    EXPECT_EQ(image.at(10, 5), 0xFFFFFFFFU);
    // Half white over blue.
    EXPECT_NEAR(redIn(image.at(8, 5)), 128, 1);
    EXPECT_EQ(blueIn(image.at(8, 5)), 255U);
}

TEST(HintComposition, LaterLayersLieOverEarlierOnes) {
    Image image(30, 12);
    const Coverage glyph = block(6, 6, 255, 255);
    const Colour shadow = rgb(0, 0, 0), contour = rgb(255, 255, 255), text = rgb(10, 200, 30);
    // Back to front: the shadow 5 right and down, a contour copy 1 left, the text.
    const CoverageLayer layers[] = {{&glyph, {10, 5}, shadow}, {&glyph, {4, 0}, contour}, {&glyph, {5, 0}, text}};
    composeHint(image.view, std::nullopt, layers);
    EXPECT_EQ(image.at(6, 2), opaquePixel(text));     // all three could draw here
    EXPECT_EQ(image.at(4, 2), opaquePixel(contour));  // only the contour reaches here
    EXPECT_EQ(image.at(13, 8), opaquePixel(shadow));  // the shadow where the text is not
    EXPECT_EQ(image.at(10, 5), opaquePixel(text));    // the text over the shadow
}

TEST(HintComposition, CoverageReachingOutOfTheImageIsCut) {
    Image image(8, 6);
    const Coverage glyph = block(5, 5, 255, 255);
    const CoverageLayer layers[] = {{&glyph, {-3, -2}, rgb(255, 0, 0)}, {&glyph, {6, 4}, rgb(0, 255, 0)}};
    composeHint(image.view, std::nullopt, layers);
    EXPECT_EQ(image.at(0, 0), opaquePixel(rgb(255, 0, 0)));
    EXPECT_EQ(image.at(1, 2), opaquePixel(rgb(255, 0, 0)));
    EXPECT_EQ(image.at(2, 3), ClearPixel);
    EXPECT_EQ(image.at(7, 5), opaquePixel(rgb(0, 255, 0)));
    EXPECT_EQ(image.at(5, 5), ClearPixel);
    // A malformed coverage (fewer values than its size says) draws nothing.
    Coverage broken{4, 4, {255, 255}};
    const CoverageLayer brokenLayer[] = {{&broken, {0, 0}, rgb(1, 2, 3)}};
    composeHint(image.view, std::nullopt, brokenLayer);
    EXPECT_EQ(image.at(0, 0), ClearPixel);
}

TEST(HintComposition, EveryBlendStaysAValidPremultipliedPixel) {
    // Each layer over the last, at every coverage, on both kinds of ground: no channel
    // may exceed the alpha, or the window would show colours that are not there.
    Image image(256, 2);
    Coverage ramp{256, 2, std::vector<std::uint8_t>(512)};
    for (int x = 0; x < 256; ++x) {
        ramp.values[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(x);
        ramp.values[static_cast<std::size_t>(256 + x)] = static_cast<std::uint8_t>(255 - x);
    }
    const Colour colours[] = {rgb(255, 255, 255), rgb(255, 0, 128), rgb(1, 254, 17), rgb(0, 0, 0)};
    for (const std::optional<Colour> ground : {std::optional<Colour>(), std::optional<Colour>(rgb(90, 200, 255))}) {
        std::vector<CoverageLayer> layers;
        for (const Colour colour : colours) {
            layers.push_back({&ramp, {0, 0}, colour});
            composeHint(image.view, ground, layers);
            for (const std::uint32_t pixel : image.pixels) {
                ASSERT_LE(redIn(pixel), alphaOf(pixel));
                ASSERT_LE(greenIn(pixel), alphaOf(pixel));
                ASSERT_LE(blueIn(pixel), alphaOf(pixel));
                ASSERT_GE(alphaOf(pixel), 1U);
            }
        }
    }
}

}  // namespace
}  // namespace solvane::windows
