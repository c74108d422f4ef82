#include "platform/windows/DialogMetrics.h"

#include <cwchar>

namespace solvane::windows {

namespace {
constexpr int InterfacePointSize = 8;
constexpr wchar_t InterfaceFace[] = L"Tahoma";
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
    return UniqueFont(CreateFontIndirectW(&font));
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
