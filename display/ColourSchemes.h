#pragma once
#include <cstdint>

#include "platform/Geometry.h"

namespace solvane {

class RandomGenerator;

// Sixteen colour schemes for random colours. A scheme's base colour is the text colour;
// the contour is the base at half brightness and the background the base at
// (21 - r) / 21 of its brightness for a brightness step r from 0 to 8.
constexpr int kColourSchemeCount = 16;
constexpr int kBrightnessSteps = 9;

struct SchemeColours {
    Colour text = 0;
    Colour contour = 0;
    Colour background = 0;
    bool operator==(const SchemeColours&) const = default;
};

// The scheme and brightness step of one showing, with the colours they give.
struct SchemeChoice {
    int scheme = 0;
    int brightnessStep = 0;
    SchemeColours colours;
};

// The base colour of scheme `scheme` (0 to 15); throws std::out_of_range otherwise.
Colour schemeBase(int scheme);

// The three colours of scheme `scheme` at brightness step `step` (0 to 8).
// Each channel product is rounded to the nearest integer, exact halves to the even
// neighbour. Throws std::out_of_range for a scheme or step outside its range.
SchemeColours schemeColours(int scheme, int step);

// One draw each, in this order: (random below 211) mod 16, then random below 9.
int schemeIndex(RandomGenerator& random);
int brightnessStep(RandomGenerator& random);

// Draws the scheme, then the brightness step, and derives their colours.
SchemeChoice drawColourScheme(RandomGenerator& random);

}  // namespace solvane
