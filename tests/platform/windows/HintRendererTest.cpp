#include "platform/windows/HintRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace solvane::windows {
namespace {

SceneLayer layer(Point at, Colour colour, std::string caption = "Hello") {
    return {std::move(caption), FontSpec{"Tahoma", 24, 0, colour}, at};
}

HintScene scene() {
    return {{160, 50}, std::nullopt, {layer({9, 5}, rgb(255, 255, 255)), layer({5, 5}, rgb(200, 0, 0))}};
}

int countPixels(const HintRenderer& renderer, std::uint32_t value) {
    const PixelView image = renderer.pixels();
    return static_cast<int>(
        std::count(image.pixels, image.pixels + static_cast<std::ptrdiff_t>(image.width) * image.height, value));
}

TEST(HintRenderer, ComposesOnlyWhatChanged) {
    HintRenderer renderer;
    EXPECT_EQ(renderer.render(scene()), HintRenderer::Result::Composed);
    EXPECT_EQ(renderer.size(), (Size{160, 50}));
    EXPECT_EQ(renderer.render(scene()), HintRenderer::Result::Unchanged);

    HintScene other = scene();
    other.layers[1].font.colour = rgb(0, 0, 200);
    EXPECT_EQ(renderer.render(other), HintRenderer::Result::Composed);
    other.layers[0].position.x += 1;
    EXPECT_EQ(renderer.render(other), HintRenderer::Result::Composed);
    other.background = rgb(0, 0, 0);
    EXPECT_EQ(renderer.render(other), HintRenderer::Result::Composed);
    other.size.width = 200;
    EXPECT_EQ(renderer.render(other), HintRenderer::Result::Composed);
    EXPECT_EQ(renderer.size(), (Size{200, 50}));
    EXPECT_EQ(renderer.render(other), HintRenderer::Result::Unchanged);
}

TEST(HintRenderer, DrawsEachLayerInItsColourWithTheTextInFront) {
    HintRenderer renderer;
    renderer.render(scene());
    const int text = countPixels(renderer, opaquePixel(rgb(200, 0, 0)));
    const int contour = countPixels(renderer, opaquePixel(rgb(255, 255, 255)));
    EXPECT_GT(text, 30);
    // The copy a little to the right shows only right of the strokes.
    EXPECT_GT(contour, 5);
    EXPECT_LT(contour, text);
    EXPECT_GT(countPixels(renderer, ClearPixel), 160 * 50 / 2);
}

TEST(HintRenderer, AnImpossibleImageFailsAndTheNextOneIsComposed) {
    HintRenderer renderer;
    HintScene huge = scene();
    huge.size = {1 << 20, 1 << 20};
    EXPECT_EQ(renderer.render(huge), HintRenderer::Result::Failed);
    EXPECT_EQ(renderer.render(scene()), HintRenderer::Result::Composed);
}

}  // namespace
}  // namespace solvane::windows
