// The settings dialog's font: Tahoma's widths whatever face stands in for it.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/windows/DialogMetrics.h"

namespace solvane::windows {
namespace {

int alphabetWidth(HFONT font) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", 52, &size);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return size.cx;
}

TEST(DialogFont, IsNoWiderThanTahomaAndNotMuchNarrowerAtEveryDpi) {
    // Tahoma at 8 points: about 290 pixels for the 52 letters at 96 DPI.
    for (const int dpi : {96, 120, 144, 192}) {
        const UniqueFont font = createDialogFont(dpi);
        ASSERT_NE(font, nullptr);
        const int width = alphabetWidth(font.get());
        const int design = MulDiv(290, dpi, 96);
        EXPECT_LE(width, design + dpi / 48) << dpi << " DPI";
        EXPECT_GE(width, design * 85 / 100) << dpi << " DPI";
        LOGFONTW made{};
        GetObjectW(font.get(), sizeof(made), &made);
        EXPECT_EQ(made.lfHeight, -MulDiv(8, dpi, 72)) << "8 points";
    }
}

}  // namespace
}  // namespace solvane::windows
