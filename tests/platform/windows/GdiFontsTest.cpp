#include "platform/windows/GdiFonts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/windows/FontFamilyList.h"
#include "platform/windows/GdiFont.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {
namespace {

// One report of GDI's enumeration, as EnumFontFamiliesExW gives it.
void report(FontFamilyList& list, const wchar_t* face, BYTE characterSet, DWORD type, DWORD flags = NTM_REGULAR) {
    LOGFONTW font{};
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    font.lfCharSet = characterSet;
    NEWTEXTMETRICEXW metrics{};
    metrics.ntmTm.ntmFlags = flags;
    list.add(font, metrics, type);
}

TEST(FontFamilyList, EachScalableFamilyOnceInTheOrderOfItsFirstReport) {
    FontFamilyList list;
    report(list, L"Fixed Raster", ANSI_CHARSET, RASTER_FONTTYPE);
    report(list, L"Old Type One", ANSI_CHARSET, DEVICE_FONTTYPE, NTM_TYPE1);
    report(list, L"Text Sans", SYMBOL_CHARSET, TRUETYPE_FONTTYPE);  // its symbol set first
    report(list, L"@Text Sans", ANSI_CHARSET, TRUETYPE_FONTTYPE);
    report(list, L"Pictures", SYMBOL_CHARSET, TRUETYPE_FONTTYPE);
    // OpenType with PostScript outlines, marked as a device font as Wine does.
    report(list, L"Outline Serif", ANSI_CHARSET, DEVICE_FONTTYPE, NTM_PS_OPENTYPE);
    report(list, L"Text Sans", ANSI_CHARSET, TRUETYPE_FONTTYPE);
    report(list, L"Text Sans", GREEK_CHARSET, TRUETYPE_FONTTYPE);
    report(list, L"Outline Serif", EASTEUROPE_CHARSET, DEVICE_FONTTYPE, NTM_PS_OPENTYPE);
    report(list, L"Schrift \u00E4", RUSSIAN_CHARSET, TRUETYPE_FONTTYPE);
    EXPECT_EQ(list.scalableFamilies(), (std::vector<std::string>{"Text Sans", "Outline Serif", "Schrift \xC3\xA4"}));
}

TEST(GdiFonts, TheCatalogueHoldsEachInstalledScalableFamilyOnceUnderItsOwnName) {
    const std::vector<std::string> families = GdiFonts().scalableFamilies();
    ASSERT_FALSE(families.empty());
    const HDC context = CreateCompatibleDC(nullptr);
    std::set<std::string> seen;
    for (const std::string& family : families) {
        EXPECT_TRUE(seen.insert(family).second) << family << " comes twice";
        EXPECT_NE(family.front(), '@') << family;
        const UniqueFont font = createFont({family, 20, 0, 0});
        const HGDIOBJ previous = SelectObject(context, font.get());
        EXPECT_GT(GetOutlineTextMetricsW(context, 0, nullptr), 0u) << family << " is no outline font";
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(context, LF_FACESIZE, face);
        EXPECT_EQ(toUtf8(face), family) << "GDI draws another font in its place";
        SelectObject(context, previous);
    }
    DeleteDC(context);
}

class GdiFontsMeasure : public ::testing::Test {
protected:
    FontSpec font(int size) const { return {family, size, 0, 0}; }
    Size measure(const std::string& text, int size = 30) { return fonts.measureCaption(text, font(size)); }
    // The extent of text drawn as it is, without the caption convention.
    int plainWidth(const wchar_t* text, int size = 30) const {
        const HDC context = CreateCompatibleDC(nullptr);
        const UniqueFont handle = createFont(font(size));
        const HGDIOBJ previous = SelectObject(context, handle.get());
        SIZE extent{};
        GetTextExtentPoint32W(context, text, static_cast<int>(wcslen(text)), &extent);
        SelectObject(context, previous);
        DeleteDC(context);
        return static_cast<int>(extent.cx);
    }

    GdiFonts fonts;
    std::string family = fonts.scalableFamilies().front();
};

TEST_F(GdiFontsMeasure, TheMeasureGrowsWithTheTextAndTheSize) {
    const std::string text = "I know what I love to do and I do it.";
    const Size small = measure(text, 20);
    EXPECT_GT(small.height, 0);
    EXPECT_LT(measure("I do it.", 20).width, small.width);
    const Size large = measure(text, 40);
    EXPECT_LT(small.width, large.width);
    EXPECT_LT(small.height, large.height);
    EXPECT_EQ(measure("I do it.", 20).height, small.height) << "one line, whatever its length";
}

TEST_F(GdiFontsMeasure, AnAmpersandMarksAnAccessKeyAndTwoDrawOne) {
    EXPECT_EQ(measure("&Start").width, plainWidth(L"Start"));
    EXPECT_EQ(measure("A&B").width, plainWidth(L"AB"));
    EXPECT_EQ(measure("A&&B").width, plainWidth(L"A&B"));
    EXPECT_GT(measure("A&&B").width, measure("A&B").width);
}

TEST_F(GdiFontsMeasure, AnEmptyCaptionHasALinesHeightAndNoWidth) {
    const Size empty = measure("");
    EXPECT_EQ(empty.width, 0);
    EXPECT_EQ(empty.height, measure("A").height);
}

TEST_F(GdiFontsMeasure, ALineWiderThanAnyScreenMeasuresWiderThanThat) {
    // Shorter than the 1024 characters that Wine's DrawTextW lays out of a line.
    EXPECT_GT(measure(std::string(1000, 'W'), 100).width, GdiFonts::WidestScreen);
    // A megabyte, measured from its beginning until a piece is too wide.
    EXPECT_GT(measure(std::string(std::size_t{1} << 20, 'W'), 100).width, GdiFonts::WidestScreen);
}

}  // namespace
}  // namespace solvane::windows
