#pragma once
#include <windows.h>

#include <functional>
#include <optional>

#include "platform/FontSpec.h"
#include "platform/Geometry.h"

namespace solvane::windows {

// The font chooser's limits and its Apply button.
inline constexpr int SmallestChosenSize = 5;
inline constexpr int LargestChosenSize = 500;
inline constexpr int FontChooserApplyId = 1026;  // psh3 of the chooser's template

// Windows' font chooser (ChooseFontW), modal over `owner`: screen fonts, scalable ones
// only, sizes 5 to 500 points, only fonts that exist, no effects, with an Apply button,
// the font preselected. Its top-left corner goes to `topLeft` (screen pixels) when it
// opens. Each press of Apply hands the chooser's current font to `onApply` (a size
// outside the limits is not applied). Returns the chosen font on OK, nothing on
// Cancel. The colour of the result is the initial font's: the chooser offers none.
std::optional<FontSpec> chooseFontWithApply(HWND owner, const FontSpec& initial, Point topLeft,
                                            const std::function<void(const FontSpec&)>& onApply);

// Windows' colour chooser (ChooseColorW), modal over `owner`, opened with its custom
// colour part and the colour preselected; nothing on Cancel. The custom colours the
// user mixes are kept for the next opening while the program runs.
std::optional<Colour> chooseColourWithCustomColours(HWND owner, Colour initial);

// The font of a LOGFONTW as the page keeps it, its points at the screen's DPI.
FontSpec fontSpecOf(const LOGFONTW& font, int screenDpi, Colour colour);

}  // namespace solvane::windows
