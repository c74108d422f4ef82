#pragma once
#include <QRegion>
#include <QSize>
#include <array>

#include "app/controls/Label.h"

class QPainter;

namespace solvane::qt {

// The affirmation window's text layers in painting order, back to front.
using HintLayers = std::array<const Label*, 6>;

// Draws every visible layer at its position: only its glyphs, in its font and
// colour, as one line with the caption convention, never as markup. Without
// antialiasing every drawn pixel is fully opaque, so the glyphs can shape a window.
void paintHintLayers(QPainter& painter, const HintLayers& layers, bool antialiased);

// The pixels that the layers cover inside a window of the given size, drawn
// without antialiasing.
QRegion hintGlyphRegion(const HintLayers& layers, QSize windowSize);

}  // namespace solvane::qt
