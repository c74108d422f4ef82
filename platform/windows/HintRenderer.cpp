#include "platform/windows/HintRenderer.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "platform/windows/CaptionGlyphs.h"
#include "platform/windows/TopDownDib.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

// The smallest rectangle that holds both; an empty one holds nothing.
Rect unite(const Rect& a, const Rect& b) {
    if (a.width <= 0 || a.height <= 0) return b;
    if (b.width <= 0 || b.height <= 0) return a;
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    const int right = std::max(a.left + a.width, b.left + b.width);
    const int bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

Rect intersect(const Rect& a, const Rect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

// The layers that draw the same caption in the same font (they differ in colour and
// place: the contour and the shadow copy the text) share one drawing of its glyphs.
struct GlyphGroup {
    const SceneLayer* first;
    std::vector<std::size_t> layers;
    Rect area;  // what of the glyphs shows in the window, in the caption's coordinates
    Coverage coverage;
};

bool drawSame(const SceneLayer& a, const SceneLayer& b) {
    return a.caption == b.caption && a.font.name == b.font.name && a.font.size == b.font.size &&
           a.font.style == b.font.style;
}

}  // namespace

HintRenderer::HintRenderer(std::uint32_t clearPixel) : clearPixel_(clearPixel), dc_(CreateCompatibleDC(nullptr)) {}

HintRenderer::~HintRenderer() {
    freeImage();
    if (dc_) DeleteDC(dc_);
}

HintRenderer::Result HintRenderer::render(const HintScene& scene) {
    if (shown_ == scene) return Result::Unchanged;
    shown_.reset();
    if (!makeImage(scene.size)) return Result::Failed;

    std::vector<GlyphGroup> groups;
    std::vector<std::size_t> groupOf(scene.layers.size());
    for (std::size_t i = 0; i < scene.layers.size(); ++i) {
        const auto same = std::find_if(groups.begin(), groups.end(), [&](const GlyphGroup& group) {
            return drawSame(*group.first, scene.layers[i]);
        });
        groupOf[i] = static_cast<std::size_t>(same - groups.begin());
        if (same == groups.end()) groups.push_back({&scene.layers[i], {}, {}, {}});
        groups[groupOf[i]].layers.push_back(i);
    }

    std::vector<CoverageLayer> blends(scene.layers.size());
    for (GlyphGroup& group : groups) {
        const CaptionGlyphs glyphs(toWide(group.first->caption), group.first->font);
        const Rect ink = glyphs.inkArea();
        // Only what shows in the window is drawn, however long the line.
        for (const std::size_t i : group.layers) {
            const Point at = scene.layers[i].position;
            group.area = unite(group.area, intersect(ink, {-at.x, -at.y, size_.width, size_.height}));
        }
        group.coverage = glyphs.draw(group.area);
        for (const std::size_t i : group.layers) {
            const SceneLayer& layer = scene.layers[i];
            blends[i] = {&group.coverage,
                         {layer.position.x + group.area.left, layer.position.y + group.area.top},
                         layer.font.colour};
        }
    }
    composeHint(pixels(), scene.background, blends, clearPixel_);
    shown_ = scene;
    return Result::Composed;
}

bool HintRenderer::makeImage(Size size) {
    if (bits_ && size == size_) return true;
    freeImage();
    // An image larger than GDI can address is not asked of it.
    const auto bytes = std::int64_t{size.width} * size.height * 4;
    if (!dc_ || size.width <= 0 || size.height <= 0 || bytes > INT_MAX) return false;
    void* bits = nullptr;
    bitmap_ = createTopDownDib(dc_, size, &bits);
    if (!bitmap_) {
        freeImage();
        return false;
    }
    previousBitmap_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<std::uint32_t*>(bits);
    size_ = size;
    return true;
}

void HintRenderer::freeImage() {
    if (previousBitmap_) SelectObject(dc_, previousBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    previousBitmap_ = nullptr;
    bitmap_ = nullptr;
    bits_ = nullptr;
    size_ = {};
}

}  // namespace solvane::windows
