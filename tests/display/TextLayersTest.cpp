#include "display/TextLayers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using testing::ProgramHarness;

const LayerOptions EveryOption[] = {{false, false}, {true, false}, {false, true}, {true, true}};

std::string describe(LayerOptions options) {
    return std::string("contour ") + (options.contour ? "on" : "off") + ", shadow " + (options.shadow ? "on" : "off");
}

bool hasRole(const std::vector<TextLayer>& layers, LayerRole role) {
    return std::any_of(layers.begin(), layers.end(), [role](const TextLayer& layer) { return layer.role == role; });
}

TEST(TextLayers, TheTextIsDrawnLastWhateverIsSwitchedOn) {
    for (const LayerOptions options : EveryOption) {
        const std::vector<TextLayer> layers = textLayers(options);
        ASSERT_FALSE(layers.empty()) << describe(options);
        EXPECT_EQ(layers.back().id, LayerId::Text) << describe(options);
        EXPECT_EQ(
            std::count_if(layers.begin(), layers.end(), [](const TextLayer& l) { return l.role == LayerRole::Text; }),
            1)
            << describe(options);
    }
}

TEST(TextLayers, AnOptionSwitchedOffRemovesItsLayersAndNoOthers) {
    for (const LayerOptions options : EveryOption) {
        const std::vector<TextLayer> layers = textLayers(options);
        EXPECT_EQ(hasRole(layers, LayerRole::Contour), options.contour) << describe(options);
        EXPECT_EQ(hasRole(layers, LayerRole::Shadow), options.shadow) << describe(options);
        EXPECT_EQ(layers.size(), 1u + (options.contour ? 4u : 0u) + (options.shadow ? 1u : 0u)) << describe(options);
    }
}

TEST(TextLayers, TheShadowLiesBeneathTheContourAndTheContourSurroundsTheText) {
    const std::vector<TextLayer> layers = textLayers({.contour = true, .shadow = true});
    EXPECT_EQ(layers.front().role, LayerRole::Shadow);
    // One copy on each side of the text, one pixel away: above, below, left and right.
    std::set<std::pair<int, int>> sides;
    for (const TextLayer& layer : layers) {
        if (layer.role != LayerRole::Contour) continue;
        EXPECT_EQ(std::abs(layer.offset.x) + std::abs(layer.offset.y), 1);
        sides.insert({layer.offset.x, layer.offset.y});
    }
    EXPECT_EQ(sides.size(), 4u);
}

// Six distinct labels, none of them painted twice or left out.
TEST(TextLayers, APainterGetsEveryLabelOnceWithTheTextInFront) {
    Label shadow, left, below, right, above, text;
    const PaintedLayers painted = paintOrder({shadow, left, below, right, above, text});
    EXPECT_EQ(std::set<const Label*>(painted.begin(), painted.end()).size(), TextLayerCount);
    EXPECT_EQ(painted.front(), &shadow);
    EXPECT_EQ(painted.back(), &text);
    // The painter's order is the order of the layers themselves.
    const std::vector<TextLayer> layers = textLayers({.contour = true, .shadow = true});
    const ConstLayerLabels labels{shadow, left, below, right, above, text};
    for (std::size_t i = 0; i < layers.size(); ++i) EXPECT_EQ(painted[i], &labels[layers[i].id]) << i;
}

TEST(TextLayers, CopiesAreLaidOutFromTheTextAndHiddenWithoutBeingMoved) {
    Label shadow, left, below, right, above, text;
    const LayerLabels labels{shadow, left, below, right, above, text};
    text.setCaption("Calm");
    text.setFont(FontSpec{"Verdana", 30, 1, 0x00FF0000});
    text.setPosition({40, 60});

    showContour(labels, true, 0x0000FF00);
    showShadow(labels, true);
    const struct {
        const Label& copy;
        Point at;
        Colour colour;
    } expected[] = {{left, {39, 60}, 0x0000FF00},
                    {below, {40, 61}, 0x0000FF00},
                    {right, {41, 60}, 0x0000FF00},
                    {above, {40, 59}, 0x0000FF00},
                    {shadow, {45, 65}, 0x00000000}};
    for (const auto& e : expected) {
        EXPECT_TRUE(e.copy.visible());
        EXPECT_EQ(e.copy.caption(), "Calm");
        EXPECT_EQ(e.copy.font(), (FontSpec{"Verdana", 30, 1, e.colour}));
        EXPECT_EQ(e.copy.position(), e.at);
    }
    EXPECT_EQ(text.font().colour, 0x00FF0000u) << "the text keeps its own colour";

    text.setPosition({0, 0});
    showContour(labels, false, 0x0000FF00);
    for (const Label* copy : {&left, &below, &right, &above}) {
        EXPECT_FALSE(copy->visible());
        EXPECT_NE(copy->position(), (Point{0, 0})) << "a hidden copy is not laid out";
    }
    EXPECT_TRUE(shadow.visible()) << "the contour option leaves the shadow alone";
    showShadow(labels, false);
    EXPECT_FALSE(shadow.visible());
    EXPECT_TRUE(text.visible());
}

// The preview shows what the window shows: for the same settings both lay out the
// same layers, in the same colours and places relative to their text, painted in
// the same order.
void expectSameLayers(const TfrmHint& hint, const TfrmConfig& config, const std::string& what) {
    const PaintedLayers window = paintOrder(hint.layerLabels());
    const PaintedLayers preview = paintOrder(config.previewLabels());
    const Point windowText = hint.Label1.position();
    const Point previewText = config.Label1.position();
    for (std::size_t i = 0; i < TextLayerCount; ++i) {
        const Label& w = *window[i];
        const Label& p = *preview[i];
        EXPECT_EQ(w.visible(), p.visible()) << what << ", layer " << i;
        if (!w.visible() || !p.visible()) continue;
        EXPECT_EQ(w.caption(), p.caption()) << what << ", layer " << i;
        EXPECT_EQ(w.font(), p.font()) << what << ", layer " << i;
        EXPECT_EQ(w.position().x - windowText.x, p.position().x - previewText.x) << what << ", layer " << i;
        EXPECT_EQ(w.position().y - windowText.y, p.position().y - previewText.y) << what << ", layer " << i;
    }
}

TEST(TextLayers, ThePreviewAndTheWindowDrawTheSameLayersForTheSameSettings) {
    for (const LayerOptions options : EveryOption) {
        for (const bool randomColours : {false, true}) {
            const std::string what = describe(options) + (randomColours ? ", random colours" : ", fixed colours");
            ProgramHarness h;
            h.stored()["Konturtransparenz"] = options.contour ? 0 : 1;
            h.stored()["Schatten"] = options.shadow ? 1 : 0;
            h.stored()["KonturColor"] = 0x000000FF;
            h.stored()["FontColor"] = 0x00FF0000;
            h.stored()["ZufallsSchriftFarbe"] = randomColours ? 1 : 0;
            h.stored()["ZufallsKonturFarbe"] = randomColours ? 1 : 0;
            h.start();
            h.fake.clock.value = 4242;
            h.hint().show();
            expectSameLayers(h.hint(), h.config(), what);

            // Switched in the dialog, the option reaches the preview at once and the
            // window at its next showing.
            h.hint().hide();
            h.config().cbSchatten.userClick();
            h.config().cbKonturtransparenz.userClick();
            h.hint().show();
            expectSameLayers(h.hint(), h.config(), what + ", both switched");
        }
    }
}

}  // namespace
}  // namespace solvane
