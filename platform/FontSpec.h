#pragma once
#include <string>

#include "platform/Geometry.h"

namespace solvane {

// Style bits of a font as the store keeps them.
enum FontStyleBits : int { StyleBold = 1, StyleItalic = 2, StyleUnderline = 4, StyleStrikeOut = 8 };

// A font with its colour, as a label or the font chooser holds it.
struct FontSpec {
    std::string name = "MS Sans Serif";
    int size = 8;   // points
    int style = 0;  // FontStyleBits
    Colour colour = 0;
    bool operator==(const FontSpec&) const = default;
};

}  // namespace solvane
