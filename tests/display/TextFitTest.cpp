#include "display/TextFit.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "platform/fake/FakeServices.h"

namespace solvane {
namespace {

constexpr int Margin = 10;
const FontSpec Regular{"Verdana", 27, 0, 0};

// The fit as the composition defines it: one point smaller while the text and its
// margin are wider than the monitor, down to 1 point at the least.
FittedText walkPointByPoint(platform::Fonts& fonts, const std::string& text, FontSpec font, int width) {
    Size extent = fonts.measureCaption(text, font);
    while (width < extent.width + Margin && font.size > 1) {
        font.size -= 1;
        extent = fonts.measureCaption(text, font);
    }
    return {font.size, extent};
}

// Widths that are not monotonic in the size, as real fonts measure: odd sizes are a
// pixel narrower than the fake's, and from 193 points on everything is 2% narrower
// (a font engine that bounds its glyphs differently from 256 pixels per em on).
class UnevenFonts : public platform::Fonts {
public:
    int measurements = 0;
    std::vector<std::string> scalableFamilies() override { return {}; }
    Size measureCaption(const std::string& text, const FontSpec& font) override {
        ++measurements;
        Size size = linear_.measureCaption(text, font);
        if (font.size % 2 != 0 && size.width > 0) size.width -= 1;
        if (font.size >= 193) size.width = size.width * 49 / 50;
        return size;
    }

private:
    fake::FakeFonts linear_;
};

const std::vector<std::string> Texts = {
    "I know what I love to do and I do it.", "Hi", "i", "Salt && Pepper", "Grüße", "&",
};

std::vector<int> monitorWidths() {
    std::vector<int> widths = {5, 11, 12, 13, 40, 101, 320, 640, 1024, 1366, 1920, 2560, 3840, 7680};
    // Where the uneven font's widths dip, near 193 points for the long sentence.
    for (int width = 3400; width <= 3700; width += 7) widths.push_back(width);
    return widths;
}

const std::vector<int> StartSizes = {-5, 0, 1, 2, 5, 21, 27, 100, 167, 192, 193, 250, 500};

void expectTheWalksResult(platform::Fonts& fonts, const std::function<int()>& measurements) {
    int largestCount = 0;
    for (const std::string& text : Texts) {
        for (int width : monitorWidths()) {
            for (int start : StartSizes) {
                FontSpec font = Regular;
                font.size = start;
                const FittedText walked = walkPointByPoint(fonts, text, font, width);
                const int before = measurements();
                const FittedText fitted = fitTextToWidth(fonts, text, font, width, Margin);
                largestCount = std::max(largestCount, measurements() - before);
                EXPECT_EQ(fitted.size, walked.size) << "'" << text << "' from " << start << " on " << width;
                EXPECT_EQ(fitted.extent, walked.extent) << "'" << text << "' from " << start << " on " << width;
            }
        }
    }
    EXPECT_LE(largestCount, 20) << "sizes measured by one fit at most";
}

TEST(TextFit, GivesThePointByPointResultOnEvenWidths) {
    fake::FakeFonts fonts;
    expectTheWalksResult(fonts, [&] { return fonts.measurements; });
}

TEST(TextFit, GivesThePointByPointResultWhereWidthsDip) {
    UnevenFonts fonts;
    expectTheWalksResult(fonts, [&] { return fonts.measurements; });
}

TEST(TextFit, MeasuresAFewSizesWhereTheWalkMeasuresAHundred) {
    fake::FakeFonts fonts;
    FontSpec font = Regular;
    font.size = 167;
    // 37 characters at 54 points are 999 pixels wide: with the margin they fit 1024.
    const FittedText fitted = fitTextToWidth(fonts, Texts[0], font, 1024, Margin);
    EXPECT_EQ(fitted.size, 54);
    EXPECT_EQ(fitted.extent, (Size{999, 81}));
    EXPECT_LE(fonts.measurements, 8);
}

TEST(TextFit, AHugeStartSizeStartsAtTheCeilingAndStaysCheap) {
    fake::FakeFonts fonts;
    FontSpec font = Regular;
    font.size = INT_MAX;
    EXPECT_EQ(fitTextToWidth(fonts, Texts[0], font, 1024, Margin).size, 54);
    EXPECT_LE(fonts.measurements, 20);

    // A caption that draws nothing fits at any size: it stays at the ceiling.
    fonts.measurements = 0;
    const FittedText nothing = fitTextToWidth(fonts, "&", font, 1024, Margin);
    EXPECT_EQ(nothing.size, LargestFitStartSize);
    EXPECT_EQ(nothing.extent, (Size{0, LargestFitStartSize * 3 / 2}));
    EXPECT_EQ(fonts.measurements, 1);
}

TEST(TextFit, StartsOfOnePointOrLessAreKept) {
    fake::FakeFonts fonts;
    for (int start : {1, 0, -12}) {
        FontSpec font = Regular;
        font.size = start;
        EXPECT_EQ(fitTextToWidth(fonts, Texts[0], font, 5, Margin).size, start);
    }
}

}  // namespace
}  // namespace solvane
