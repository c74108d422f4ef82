#include "platform/windows/DialogMetrics.h"

#include <algorithm>
#include <cwchar>

namespace solvane::windows {

namespace {
constexpr int InterfacePointSize = 8;
constexpr wchar_t InterfaceFace[] = L"Tahoma";
// Tahoma at 8 points draws these 52 letters about 290 pixels wide at 96 DPI.
constexpr wchar_t Alphabet[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int DesignAlphabetWidth = 290;
struct Measure {
    int alphabet;
    int averageCharacter;
};

Measure measureFont(HFONT font) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE alphabet{};
    GetTextExtentPoint32W(dc, Alphabet, static_cast<int>(wcslen(Alphabet)), &alphabet);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return {alphabet.cx, std::max<int>(1, metrics.tmAveCharWidth)};
}

}  // namespace

RECT scaledToDpi(const Rect& design, int dpi) {
    const int left = scaledToDpi(design.left, dpi);
    const int top = scaledToDpi(design.top, dpi);
    return RECT{left, top, left + scaledToDpi(design.width, dpi), top + scaledToDpi(design.height, dpi)};
}

int windowDpi(HWND window) {
    const UINT dpi = window ? GetDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : fontDpi();
}

UniqueFont createDialogFont(int dpi, bool underlined) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(InterfacePointSize, dpi, 72);
    font.lfWeight = FW_NORMAL;
    font.lfUnderline = underlined ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    // The desktop's own smoothing (ClearType where it is on), as every dialog has.
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    wcsncpy(font.lfFaceName, InterfaceFace, LF_FACESIZE - 1);
    UniqueFont made(CreateFontIndirectW(&font));
    // A face that stands in for Tahoma where it is missing (Wine's own Tahoma, for one,
    // is about a seventh wider) would cut the captions the controls were made for; its
    // letters are narrowed to Tahoma's widths. GDI narrows by the face's own idea of its
    // average width, so the measure is taken again until the letters fit.
    const int designWidth = scaledToDpi(DesignAlphabetWidth, dpi);
    for (int attempt = 0; attempt < 4 && made; ++attempt) {
        const Measure measure = measureFont(made.get());
        if (measure.alphabet <= designWidth) break;
        const int width = font.lfWidth > 0 ? font.lfWidth : measure.averageCharacter;
        font.lfWidth = std::max(1, std::min(width - 1, MulDiv(width, designWidth, measure.alphabet)));
        made.reset(CreateFontIndirectW(&font));
    }
    return made;
}

SIZE captionSize(HFONT font, const std::wstring& caption) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT bounds{0, 0, 0, 0};
    // An empty caption still has the height of a line.
    const std::wstring measured = caption.empty() ? std::wstring(L" ") : caption;
    DrawTextW(dc, measured.c_str(), static_cast<int>(measured.size()), &bounds, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return SIZE{caption.empty() ? 0 : bounds.right - bounds.left, bounds.bottom - bounds.top};
}

}  // namespace solvane::windows
