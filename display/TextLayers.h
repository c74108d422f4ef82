#pragma once
#include <array>
#include <cstddef>
#include <vector>

#include "app/controls/Label.h"
#include "platform/Geometry.h"

namespace solvane {

// The affirmation is drawn as up to six single-line layers of one text in one font:
// a black shadow, four copies one pixel around the text in the contour colour, and
// the text itself. The affirmation window and the dialog's preview lay out their
// labels from this one list, and their painters draw the labels in its order.

// What a layer is for; it decides the layer's colour and the option that draws it.
enum class LayerRole {
    Shadow,   // black; drawn when the shadow is on
    Contour,  // the contour colour; drawn when the contour is on
    Text,     // the text colour; always drawn
};

// Each layer by name: a window keeps one label for each.
enum class LayerId { Shadow, ContourBelow, ContourLeft, ContourAbove, ContourRight, Text };

struct TextLayer {
    LayerId id;
    LayerRole role;
    Point offset;  // from the text's own position
    bool operator==(const TextLayer&) const = default;
};

// The settings that decide which layers are drawn.
struct LayerOptions {
    bool contour = false;
    bool shadow = false;
};

inline constexpr std::size_t TextLayerCount = 6;

// The layers drawn with these options, back to front. The text is always drawn, last.
std::vector<TextLayer> textLayers(LayerOptions options);

// One window's label for each layer.
template <typename L>
struct LayerLabelsOf {
    L& shadow;
    L& contourLeft;
    L& contourBelow;
    L& contourRight;
    L& contourAbove;
    L& text;

    L& operator[](LayerId id) const {
        switch (id) {
        case LayerId::Shadow:
            return shadow;
        case LayerId::ContourBelow:
            return contourBelow;
        case LayerId::ContourLeft:
            return contourLeft;
        case LayerId::ContourAbove:
            return contourAbove;
        case LayerId::ContourRight:
            return contourRight;
        case LayerId::Text:
            break;
        }
        return text;
    }
};
using LayerLabels = LayerLabelsOf<Label>;
using ConstLayerLabels = LayerLabelsOf<const Label>;

// Lays out the four contour copies around the text and shows them: each takes the
// text label's caption and font, the contour colour, and its place beside the text.
// When `shown` is false they are only hidden.
void showContour(const LayerLabels& labels, bool shown, Colour contourColour);
// Lays out the shadow behind the text in black and shows it, or only hides it.
void showShadow(const LayerLabels& labels, bool shown);

// Every layer's label, back to front, shown or not: what a painter draws, in this
// order, skipping the hidden ones.
using PaintedLayers = std::array<const Label*, TextLayerCount>;
PaintedLayers paintOrder(const ConstLayerLabels& labels);

}  // namespace solvane
