#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/FontSpec.h"
#include "platform/Geometry.h"

namespace solvane {
class TfrmHint;
}

namespace solvane::windows {

// One text layer as it is drawn: what of its caption can show, its font and colour,
// and its place in the window.
struct SceneLayer {
    std::string caption;
    FontSpec font;
    Point position;
    bool operator==(const SceneLayer&) const = default;
};

// Everything the affirmation window's image depends on: its size, its background (a
// solid colour, or none), and the layers that draw something, back to front. Two
// equal scenes give the same image.
struct HintScene {
    Size size;
    std::optional<Colour> background;
    std::vector<SceneLayer> layers;
    bool operator==(const HintScene&) const = default;
};

// The scene of the window's model: its bounds' size, and each shown layer in painting
// order, its caption cut after what the rest of the window's width can show. Layers
// that begin right of or below the window, or draw no character, are left out.
HintScene sceneOf(const TfrmHint& model);

}  // namespace solvane::windows
