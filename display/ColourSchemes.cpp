#include "display/ColourSchemes.h"

#include <array>
#include <stdexcept>

#include "display/RandomGenerator.h"

namespace solvane {

namespace {

constexpr std::array<Colour, kColourSchemeCount> kBases = {
    rgb(252, 174, 8),  rgb(17, 252, 255), rgb(17, 255, 34), rgb(255, 39, 17),   rgb(252, 255, 17), rgb(255, 17, 247),
    rgb(196, 17, 255), rgb(28, 17, 255),  rgb(13, 22, 191), rgb(255, 255, 255), rgb(39, 191, 13),  rgb(191, 13, 30),
    rgb(7, 139, 0),    rgb(247, 225, 8),  rgb(247, 8, 42),  rgb(0, 255, 216),
};

// The denominator of the background factor (21 - r) / 21.
constexpr int kBackgroundDenominator = 21;

// numerator / denominator rounded to the nearest integer, exact halves to the even
// neighbour. Done in integers so that no floating-point error can tip a half.
int roundHalfEven(int numerator, int denominator) {
    const int quotient = numerator / denominator;
    const int twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator) return quotient + 1;
    if (twiceRemainder == denominator) return quotient + (quotient & 1);
    return quotient;
}

// Every channel of `colour` scaled by numerator / denominator.
Colour scaled(Colour colour, int numerator, int denominator) {
    return rgb(roundHalfEven(redOf(colour) * numerator, denominator),
               roundHalfEven(greenOf(colour) * numerator, denominator),
               roundHalfEven(blueOf(colour) * numerator, denominator));
}

}  // namespace

Colour schemeBase(int scheme) {
    if (scheme < 0 || scheme >= kColourSchemeCount) throw std::out_of_range("colour scheme index out of range");
    return kBases[static_cast<std::size_t>(scheme)];
}

SchemeColours schemeColours(int scheme, int step) {
    if (step < 0 || step >= kBrightnessSteps) throw std::out_of_range("brightness step out of range");
    const Colour base = schemeBase(scheme);
    return SchemeColours{
        base,
        scaled(base, 1, 2),
        scaled(base, kBackgroundDenominator - step, kBackgroundDenominator),
    };
}

int schemeIndex(RandomGenerator& random) { return random.below(211) % kColourSchemeCount; }

int brightnessStep(RandomGenerator& random) { return random.below(kBrightnessSteps); }

SchemeChoice drawColourScheme(RandomGenerator& random) {
    SchemeChoice choice;
    choice.scheme = schemeIndex(random);
    choice.brightnessStep = brightnessStep(random);
    choice.colours = schemeColours(choice.scheme, choice.brightnessStep);
    return choice;
}

}  // namespace solvane
