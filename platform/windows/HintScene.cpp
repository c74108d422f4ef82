#include "platform/windows/HintScene.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "display/TfrmHint.h"
#include "display/VisibleLine.h"

namespace solvane::windows {

namespace {

// The pixels from `start` to `end`, at most as many as an int holds.
int extent(int start, int end) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{end} - start, 0, std::numeric_limits<int>::max()));
}

}  // namespace

HintScene sceneOf(const TfrmHint& model) {
    HintScene scene;
    scene.size = {std::max(model.bounds.width, 1), std::max(model.bounds.height, 1)};
    if (!model.backgroundTransparent) scene.background = model.backgroundColour;
    for (const Label* layer : paintOrder(model.layerLabels())) {
        if (!layer || !layer->visible()) continue;
        const Point at = layer->position();
        if (at.x >= scene.size.width || at.y >= scene.size.height) continue;
        std::string caption = cutCaption(layer->caption(), longestVisibleLine(extent(at.x, scene.size.width)));
        if (caption.empty()) continue;
        scene.layers.push_back({std::move(caption), layer->font(), at});
    }
    return scene;
}

}  // namespace solvane::windows
