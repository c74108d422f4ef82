#pragma once
#include <string>

#include "platform/FontSpec.h"
#include "platform/Geometry.h"

namespace solvane {

namespace platform {
class Fonts;
}

// The largest start size of the fit. No monitor can show a line at a larger size:
// a point is at least a pixel at the resolutions desktops use (72 dpi and up) and a
// line is taller than its em, so at 8000 points a line is over 8000 pixels high,
// more than the tallest monitor, an 8K one turned upright (7680). A stored size may
// be anything up to 2^31 - 1; starting there, the fit would never end, and the font
// engine's metrics break long before (ascents wrap above 16384 pixels).
inline constexpr int LargestFitStartSize = 8000;

struct FittedText {
    int size = 0;  // points
    Size extent;   // the text measured at that size
};

// Fits one line of text to a monitor's width, as reducing the size one point at a
// time from `font.size` (capped at LargestFitStartSize) would: the result is the
// largest size not above the start at which the measured width plus `margin` is at
// most `width`, or 1 when none is. A start of 1 or less is kept as it is.
//
// Every size measured costs the font engine a new font, so the sizes are searched,
// not walked: from the widths measured so far the next size is interpolated (with
// a halving step when interpolation makes slow progress). Measured widths are not
// quite monotonic in the size: they take in the glyphs' ink, which hinting and the
// way the engine bounds glyphs change from size to size (dips of a pixel, and of
// about 2% where the engine changes its way at a certain number of pixels per em).
// So the sizes in a band above the boundary that the search finds are checked too,
// and a size there that fits moves the search up: the point-by-point walk from the
// top would have stopped at it.
FittedText fitTextToWidth(platform::Fonts& fonts, const std::string& text, FontSpec font, int width, int margin);

}  // namespace solvane
