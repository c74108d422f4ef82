#include "display/TextLayers.h"

namespace solvane {

namespace {
constexpr Colour Black = 0x000000;

// Every layer, back to front: the shadow 5 pixels right and down, the contour one
// pixel below, left, above and right, the text in front.
constexpr std::array<TextLayer, TextLayerCount> AllLayers{{
    {LayerId::Shadow, LayerRole::Shadow, {5, 5}},
    {LayerId::ContourBelow, LayerRole::Contour, {0, 1}},
    {LayerId::ContourLeft, LayerRole::Contour, {-1, 0}},
    {LayerId::ContourAbove, LayerRole::Contour, {0, -1}},
    {LayerId::ContourRight, LayerRole::Contour, {1, 0}},
    {LayerId::Text, LayerRole::Text, {0, 0}},
}};

bool drawn(LayerRole role, LayerOptions options) {
    switch (role) {
    case LayerRole::Shadow:
        return options.shadow;
    case LayerRole::Contour:
        return options.contour;
    case LayerRole::Text:
        break;
    }
    return true;
}

// The colour a layer of `role` is drawn in, given the text's and the contour's colours.
Colour layerColour(LayerRole role, Colour text, Colour contour) {
    switch (role) {
    case LayerRole::Shadow:
        return Black;
    case LayerRole::Contour:
        return contour;
    case LayerRole::Text:
        break;
    }
    return text;
}

// Lays out the copies of the text that play `role` and shows them, or only hides them.
void showCopies(const LayerLabels& labels, LayerRole role, bool shown, Colour contourColour) {
    std::vector<Label*> copies;
    const Label& text = labels.text;
    for (const TextLayer& layer : AllLayers) {
        if (layer.role != role) continue;
        Label& copy = labels[layer.id];
        copies.push_back(&copy);
        if (!shown) continue;
        FontSpec font = text.font();
        font.colour = layerColour(role, font.colour, contourColour);
        copy.setCaption(text.caption());
        copy.setFont(font);
        copy.setPosition({text.position().x + layer.offset.x, text.position().y + layer.offset.y});
    }
    // Shown once all are laid out, so that none shows in its old place meanwhile.
    for (Label* copy : copies) copy->setVisible(shown);
}
}  // namespace

std::vector<TextLayer> textLayers(LayerOptions options) {
    std::vector<TextLayer> layers;
    for (const TextLayer& layer : AllLayers) {
        if (drawn(layer.role, options)) layers.push_back(layer);
    }
    return layers;
}

void showContour(const LayerLabels& labels, bool shown, Colour contourColour) {
    showCopies(labels, LayerRole::Contour, shown, contourColour);
}

void showShadow(const LayerLabels& labels, bool shown) { showCopies(labels, LayerRole::Shadow, shown, Black); }

PaintedLayers paintOrder(const ConstLayerLabels& labels) {
    static_assert(std::tuple_size_v<PaintedLayers> == AllLayers.size(), "one painted label per layer");
    PaintedLayers painted{};
    for (std::size_t i = 0; i < AllLayers.size(); ++i) painted[i] = &labels[AllLayers[i].id];
    return painted;
}

}  // namespace solvane
