#include "display/ColourSchemes.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "display/RandomGenerator.h"

namespace solvane {
namespace {

struct Channels {
    int r, g, b;
};

// The published base and contour columns of the scheme table.
const Channels kBase[kColourSchemeCount] = {
    {252, 174, 8},  {17, 252, 255}, {17, 255, 34}, {255, 39, 17},   {252, 255, 17}, {255, 17, 247},
    {196, 17, 255}, {28, 17, 255},  {13, 22, 191}, {255, 255, 255}, {39, 191, 13},  {191, 13, 30},
    {7, 139, 0},    {247, 225, 8},  {247, 8, 42},  {0, 255, 216},
};
const Channels kContour[kColourSchemeCount] = {
    {126, 87, 4}, {8, 126, 128}, {8, 128, 17}, {128, 20, 8},    {126, 128, 8}, {128, 8, 124},
    {98, 8, 128}, {14, 8, 128},  {6, 11, 96},  {128, 128, 128}, {20, 96, 6},   {96, 6, 15},
    {4, 70, 0},   {124, 112, 4}, {124, 4, 21}, {0, 128, 108},
};

Colour colourOf(const Channels& c) { return rgb(c.r, c.g, c.b); }

TEST(ColourSchemes, TextIsTheBaseAndContourHalvesItWithHalvesToEven) {
    for (int s = 0; s < kColourSchemeCount; ++s) {
        for (int r = 0; r < kBrightnessSteps; ++r) {
            const SchemeColours colours = schemeColours(s, r);
            EXPECT_EQ(colours.text, colourOf(kBase[s])) << "scheme " << s;
            EXPECT_EQ(colours.contour, colourOf(kContour[s])) << "scheme " << s << ", step " << r;
        }
    }
}

TEST(ColourSchemes, BackgroundDimsByStepOverTwentyOne) {
    struct Case {
        int scheme, step;
        Channels background;
    };
    // Worked by hand: channel * (21 - r) / 21, rounded to nearest.
    const Case cases[] = {
        {0, 0, {252, 174, 8}},                           // factor 1: the base itself
        {15, 0, {0, 255, 216}},  {0, 8, {156, 108, 5}},  // 252*13/21 = 156, 174*13/21 = 107.71, 8*13/21 = 4.95
        {8, 8, {8, 14, 118}},                            // 13*13/21 = 8.05, 22*13/21 = 13.62, 191*13/21 = 118.24
        {9, 8, {158, 158, 158}},                         // 255*13/21 = 157.86
        {12, 8, {4, 86, 0}},                             // 7*13/21 = 4.33, 139*13/21 = 86.05
        {9, 1, {243, 243, 243}},                         // 255*20/21 = 242.86
        {9, 4, {206, 206, 206}},                         // 255*17/21 = 206.43
    };
    for (const Case& c : cases) {
        EXPECT_EQ(schemeColours(c.scheme, c.step).background, colourOf(c.background))
            << "scheme " << c.scheme << ", step " << c.step;
    }
}

TEST(ColourSchemes, RejectsSchemesAndStepsOutsideTheTable) {
    EXPECT_THROW(schemeColours(-1, 0), std::out_of_range);
    EXPECT_THROW(schemeColours(kColourSchemeCount, 0), std::out_of_range);
    EXPECT_THROW(schemeColours(0, -1), std::out_of_range);
    EXPECT_THROW(schemeColours(0, kBrightnessSteps), std::out_of_range);
    EXPECT_THROW(schemeBase(kColourSchemeCount), std::out_of_range);
}

TEST(ColourSchemes, DrawsTheSchemeModuloSixteenThenTheStep) {
    struct Case {
        std::uint32_t seed;
        int scheme, step;
    };
    // Worked independently: first draw below 211 gives v, s = v mod 16; second draw below 9 gives r.
    const Case cases[] = {
        {12345u, 1, 2},        // v = 81
        {0xDEADBEEFu, 14, 1},  // v = 78
        {7u, 14, 7},           // v = 46
    };
    for (const Case& c : cases) {
        RandomGenerator random(c.seed);
        const SchemeChoice choice = drawColourScheme(random);
        EXPECT_EQ(choice.scheme, c.scheme) << "seed " << c.seed;
        EXPECT_EQ(choice.brightnessStep, c.step) << "seed " << c.seed;
        EXPECT_EQ(choice.colours, schemeColours(c.scheme, c.step)) << "seed " << c.seed;

        RandomGenerator separate(c.seed);
        EXPECT_EQ(schemeIndex(separate), c.scheme);
        EXPECT_EQ(brightnessStep(separate), c.step);
    }
}

}  // namespace
}  // namespace solvane
