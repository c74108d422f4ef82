#include "platform/windows/GdiFont.h"

#include <algorithm>
#include <cwchar>

#include "platform/windows/WideText.h"

namespace solvane::windows {

int fontDpi() {
    const UINT dpi = GetDpiForSystem();
    return dpi > 0 ? static_cast<int>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

UniqueFont createFont(const FontSpec& spec, int dpi) {
    LOGFONTW font{};
    // A negative height asks for the character height (the em), which is what a
    // point size means.
    font.lfHeight = -MulDiv(std::max(1, spec.size), dpi, 72);
    font.lfWeight = (spec.style & StyleBold) != 0 ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (spec.style & StyleItalic) != 0 ? TRUE : FALSE;
    font.lfUnderline = (spec.style & StyleUnderline) != 0 ? TRUE : FALSE;
    font.lfStrikeOut = (spec.style & StyleStrikeOut) != 0 ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = ANTIALIASED_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // A face name longer than LOGFONTW holds names no installed font.
    const std::wstring face = toWide(spec.name);
    const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::wmemcpy(font.lfFaceName, face.data(), length);
    font.lfFaceName[length] = L'\0';
    return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace solvane::windows
