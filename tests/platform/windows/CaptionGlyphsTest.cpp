#include "platform/windows/CaptionGlyphs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace solvane::windows {
namespace {

FontSpec font(int size, int style = 0) { return FontSpec{"Tahoma", size, style, 0}; }

// The columns of a coverage that hold ink, left to right.
struct Ink {
    int left = -1, right = -1, top = -1, bottom = -1;
};
Ink inkOf(const Coverage& coverage) {
    Ink ink;
    for (int y = 0; y < coverage.height; ++y) {
        for (int x = 0; x < coverage.width; ++x) {
            if (coverage.values[static_cast<std::size_t>(y) * coverage.width + x] < 64) continue;
            if (ink.left < 0 || x < ink.left) ink.left = x;
            ink.right = std::max(ink.right, x);
            if (ink.top < 0) ink.top = y;
            ink.bottom = y;
        }
    }
    return ink;
}

// The rows of column x that hold ink: topmost and lowest.
std::pair<int, int> inkRows(const Coverage& coverage, int x) {
    int top = -1, bottom = -1;
    for (int y = 0; y < coverage.height; ++y) {
        if (coverage.values[static_cast<std::size_t>(y) * coverage.width + x] < 64) continue;
        if (top < 0) top = y;
        bottom = y;
    }
    return {top, bottom};
}

TEST(CaptionGlyphs, AreDrawnAntialiased) {
    const CaptionGlyphs glyphs(L"Ag", font(40));
    ASSERT_GT(glyphs.extent().width, 20);
    const Coverage coverage = glyphs.draw(glyphs.inkArea());
    const auto whole = std::count(coverage.values.begin(), coverage.values.end(), 255);
    const auto partial = std::count_if(coverage.values.begin(), coverage.values.end(),
                                       [](std::uint8_t value) { return value > 0 && value < 255; });
    EXPECT_GT(whole, 50);
    EXPECT_GT(partial, 20);

    // Composed over a clear ground, the edges are partly transparent.
    std::vector<std::uint32_t> pixels(coverage.values.size());
    const CoverageLayer layer[] = {{&coverage, {0, 0}, rgb(255, 255, 255)}};
    composeHint({pixels.data(), coverage.width, coverage.height}, std::nullopt, layer);
    const auto translucent = std::count_if(
        pixels.begin(), pixels.end(), [](std::uint32_t pixel) { return (pixel >> 24) > 1 && (pixel >> 24) < 255; });
    EXPECT_EQ(translucent, partial);
}

TEST(CaptionGlyphs, InkStaysInsideTheInkArea) {
    // Italic and bold letters that lean and reach out of their box, and marks above capitals.
    for (const FontSpec& spec : {font(60, StyleItalic | StyleBold), font(9, StyleItalic), font(1)}) {
        const CaptionGlyphs glyphs(L"fj\u00C5\u00C9/ffj", spec);
        const Rect area = glyphs.inkArea();
        const Coverage coverage = glyphs.draw(area);
        ASSERT_EQ(coverage.values.size(), static_cast<std::size_t>(area.width) * area.height);
        for (int x = 0; x < area.width; ++x) {
            EXPECT_EQ(coverage.values[static_cast<std::size_t>(x)], 0) << spec.size;
            EXPECT_EQ(coverage.values[static_cast<std::size_t>(area.height - 1) * area.width + x], 0) << spec.size;
        }
        for (int y = 0; y < area.height; ++y) {
            EXPECT_EQ(coverage.values[static_cast<std::size_t>(y) * area.width], 0) << spec.size;
            EXPECT_EQ(coverage.values[static_cast<std::size_t>(y) * area.width + area.width - 1], 0) << spec.size;
        }
    }
}

TEST(CaptionGlyphs, PartOfTheGlyphsIsDrawnWhereAsked) {
    const CaptionGlyphs glyphs(L"HHHH", font(30));
    const Coverage whole = glyphs.draw(glyphs.inkArea());
    // The right half alone: the same pixels as the right half of the whole.
    const Rect ink = glyphs.inkArea();
    const Rect right{ink.left + ink.width / 2, ink.top, ink.width - ink.width / 2, ink.height};
    const Coverage half = glyphs.draw(right);
    ASSERT_EQ(half.width, right.width);
    for (int y = 0; y < half.height; ++y) {
        for (int x = 0; x < half.width; ++x) {
            ASSERT_EQ(half.values[static_cast<std::size_t>(y) * half.width + x],
                      whole.values[static_cast<std::size_t>(y) * whole.width + x + ink.width / 2]);
        }
    }
    EXPECT_TRUE(glyphs.draw({0, 0, 0, 5}).values.empty());
}

TEST(CaptionGlyphs, TheLineTakesTheDirectionOfItsFirstLetter) {
    EXPECT_FALSE(startsRightToLeft(L"I love what I do."));
    EXPECT_TRUE(startsRightToLeft(L"\u05E9\u05DC\u05D5\u05DD."));         // Hebrew
    EXPECT_TRUE(startsRightToLeft(L"\u0633\u0644\u0627\u0645"));          // Arabic
    EXPECT_TRUE(startsRightToLeft(L"12 &\u05E9\u05DC\u05D5\u05DD abc"));  // digits and marks decide nothing
    EXPECT_FALSE(startsRightToLeft(L"abc \u05E9\u05DC\u05D5\u05DD"));
    EXPECT_FALSE(startsRightToLeft(L"123 ..."));
    EXPECT_FALSE(startsRightToLeft(L""));
}

TEST(CaptionGlyphs, AHebrewLineEndsAtTheLeftWithItsFullStop) {
    const CaptionGlyphs hebrew(L"\u05E9\u05DC\u05D5\u05DD.", font(40));
    const Coverage coverage = hebrew.draw({0, 0, hebrew.extent().width, hebrew.extent().height});
    const Ink ink = inkOf(coverage);
    ASSERT_GE(ink.left, 0);
    // The leftmost ink is the full stop: a dot low on the line, where the rightmost
    // ink is a letter reaching up.
    const auto [dotTop, dotBottom] = inkRows(coverage, ink.left + 1);
    const auto [letterTop, letterBottom] = inkRows(coverage, ink.right - 1);
    EXPECT_GT(dotTop, ink.top + (ink.bottom - ink.top) / 2);
    EXPECT_LT(letterTop, ink.top + (ink.bottom - ink.top) / 2);
}

}  // namespace
}  // namespace solvane::windows
