#pragma once
#include <QImage>
#include <QRegion>
#include <QSize>
#include <array>
#include <optional>
#include <string>

#include "app/controls/Label.h"
#include "display/TextLayers.h"

class QPainter;

namespace solvane::qt {

// The labels of a window's text layers in painting order, back to front, as the
// core's paintOrder() gives them.
using HintLayers = PaintedLayers;

// Draws the layers in the order given, each visible one at its position: only its
// glyphs, in its font and colour, as one line with the caption convention, never as
// markup. Without antialiasing every drawn pixel is fully opaque, so the glyphs can
// shape a window. Only the part of a caption that can show on the painter's device
// is laid out: a layer that begins right of it draws nothing, and a long caption is
// cut after as many characters as the rest of the device's width can show.
void paintHintLayers(QPainter& painter, const HintLayers& layers, bool antialiased);

// What of a caption can show from `left` onwards in a device `deviceWidth` pixels
// wide: the caption cut after the characters that width can show, as text for Qt.
QString visibleCaption(const std::string& caption, int left, int deviceWidth);

// The layers' glyphs drawn without antialiasing into an image of the window's size,
// and the region they cover: what shapes the window to its text when no compositing
// manager blends it. A drawing is kept for the layers and window size it was made
// for, so that showing the same text in the same font and place draws nothing anew.
class GlyphShape {
public:
    // Draws the glyphs unless they were drawn for equal layers and size last time;
    // true when it drew them anew.
    bool update(const HintLayers& layers, QSize windowSize);
    // Forgets the drawing and frees its image.
    void clear();

    const QImage& image() const { return image_; }
    // The pixels the glyphs cover; empty when they cover none.
    const QRegion& region() const { return region_; }

private:
    // What a layer's drawing depends on; nothing for a hidden layer.
    struct DrawnLayer {
        std::string caption;
        FontSpec font;
        Point position;
        bool operator==(const DrawnLayer&) const = default;
    };
    using Drawing = std::array<std::optional<DrawnLayer>, std::tuple_size_v<HintLayers>>;
    static Drawing describe(const HintLayers& layers);

    std::optional<Drawing> drawn_;
    QSize size_;
    QImage image_;
    QRegion region_;
};

}  // namespace solvane::qt
