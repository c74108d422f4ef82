#include "platform/windows/DialogChoosers.h"

#include <commdlg.h>

#include <array>
#include <cwchar>
#include <string>

#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

constexpr wchar_t ChooserProperty[] = L"SolvaneFontChooser";

// What the chooser's hook needs while the chooser is open.
struct FontChooserContext {
    Point topLeft;
    const std::function<void(const FontSpec&)>* onApply;
    Colour colour;
    int screenDpi;
};

// ChooseFontW converts between points and pixels at the screen's DPI.
int screenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

UINT_PTR CALLBACK fontChooserHook(HWND chooser, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* settings = reinterpret_cast<const CHOOSEFONTW*>(lParam);
        auto* context = reinterpret_cast<FontChooserContext*>(settings->lCustData);
        SetPropW(chooser, ChooserProperty, context);
        // Placed just inside the Font group, so that the preview stays in sight.
        SetWindowPos(chooser, nullptr, context->topLeft.x, context->topLeft.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == FontChooserApplyId && HIWORD(wParam) == BN_CLICKED) {
        const auto* context = static_cast<const FontChooserContext*>(GetPropW(chooser, ChooserProperty));
        if (!context || !*context->onApply) return TRUE;
        LOGFONTW current{};
        SendMessageW(chooser, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&current));
        const FontSpec font = fontSpecOf(current, context->screenDpi, context->colour);
        if (current.lfFaceName[0] != L'\0' && font.size >= SmallestChosenSize && font.size <= LargestChosenSize) {
            try {
                (*context->onApply)(font);
            } catch (...) {
                // Nothing may unwind through the chooser's own frames.
            }
        }
        return TRUE;
    }
    if (message == WM_DESTROY) RemovePropW(chooser, ChooserProperty);
    return FALSE;
}

COLORREF colourRef(Colour colour) { return RGB(redOf(colour), greenOf(colour), blueOf(colour)); }

}  // namespace

FontSpec fontSpecOf(const LOGFONTW& font, int dpi, Colour colour) {
    FontSpec spec;
    spec.name = toUtf8(std::wstring(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE)));
    const int pixels = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    spec.size = MulDiv(pixels, 72, dpi);
    spec.style = (font.lfWeight >= FW_BOLD ? StyleBold : 0) | (font.lfItalic ? StyleItalic : 0) |
                 (font.lfUnderline ? StyleUnderline : 0) | (font.lfStrikeOut ? StyleStrikeOut : 0);
    spec.colour = colour;
    return spec;
}

std::optional<FontSpec> chooseFontWithApply(HWND owner, const FontSpec& initial, Point topLeft,
                                            const std::function<void(const FontSpec&)>& onApply) {
    const int dpi = screenDpi();
    LOGFONTW font{};
    font.lfHeight = -MulDiv(initial.size, dpi, 72);
    font.lfWeight = (initial.style & StyleBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (initial.style & StyleItalic) ? TRUE : FALSE;
    font.lfUnderline = (initial.style & StyleUnderline) ? TRUE : FALSE;
    font.lfStrikeOut = (initial.style & StyleStrikeOut) ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = toWide(initial.name);
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);

    FontChooserContext context{topLeft, &onApply, initial.colour, dpi};
    CHOOSEFONTW settings{};
    settings.lStructSize = sizeof(settings);
    settings.hwndOwner = owner;
    settings.lpLogFont = &font;
    settings.Flags = CF_SCREENFONTS | CF_SCALABLEONLY | CF_LIMITSIZE | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT |
                     CF_APPLY | CF_ENABLEHOOK;
    settings.nSizeMin = SmallestChosenSize;
    settings.nSizeMax = LargestChosenSize;
    settings.lpfnHook = fontChooserHook;
    settings.lCustData = reinterpret_cast<LPARAM>(&context);
    if (!ChooseFontW(&settings)) return std::nullopt;
    FontSpec chosen = fontSpecOf(font, dpi, initial.colour);
    // The size as the chooser shows it, in tenths of a point.
    if (settings.iPointSize > 0) chosen.size = (settings.iPointSize + 5) / 10;
    // The chooser offers no effects: the initial font's stay.
    chosen.style = (chosen.style & (StyleBold | StyleItalic)) | (initial.style & (StyleUnderline | StyleStrikeOut));
    return chosen;
}

std::optional<Colour> chooseColourWithCustomColours(HWND owner, Colour initial) {
    // White until the user mixes colours of their own.
    static std::array<COLORREF, 16> customColours = [] {
        std::array<COLORREF, 16> white;
        white.fill(RGB(255, 255, 255));
        return white;
    }();
    CHOOSECOLORW settings{};
    settings.lStructSize = sizeof(settings);
    settings.hwndOwner = owner;
    settings.rgbResult = colourRef(initial);
    settings.lpCustColors = customColours.data();
    settings.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!ChooseColorW(&settings)) return std::nullopt;
    return rgb(GetRValue(settings.rgbResult), GetGValue(settings.rgbResult), GetBValue(settings.rgbResult));
}

}  // namespace solvane::windows
