#pragma once
#include <windows.h>

#include <string>

#include "platform/Geometry.h"
#include "platform/windows/GdiFont.h"

namespace solvane::windows {

// The settings dialog is laid out in pixels at 96 dots per inch (100 %) and scaled to
// the DPI of the monitor it is on.
constexpr int DesignDpi = USER_DEFAULT_SCREEN_DPI;

inline int scaledToDpi(int designPixels, int dpi) { return MulDiv(designPixels, dpi, DesignDpi); }
RECT scaledToDpi(const Rect& design, int dpi);

// The DPI a window is drawn at: its monitor's for a program aware of each monitor's
// DPI, the system's otherwise.
int windowDpi(HWND window);

// The dialog's interface font: Tahoma at 8 points, the face that the controls' fixed
// sizes were made for (it stands in for "MS Sans Serif" 8 points, which Windows
// itself maps to a face of nearly the same widths). The system's message font,
// Segoe UI at 9 points, is wider and would cut the designed captions. A face that
// stands in for a missing Tahoma and is wider is narrowed to Tahoma's widths. The web
// addresses of the information pages are underlined.
UniqueFont createDialogFont(int dpi, bool underlined = false);

// The size of a caption in `font` as a static control or a button draws it: one
// line, "&" marking the access key and "&&" drawing one "&".
SIZE captionSize(HFONT font, const std::wstring& caption);

}  // namespace solvane::windows
