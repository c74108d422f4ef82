#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

#include "platform/FontSpec.h"

namespace solvane::windows {

// An HFONT that is deleted with its owner.
struct FontDeleter {
    void operator()(HFONT font) const {
        if (font) DeleteObject(font);
    }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The dots per inch that a font's points are drawn at: the system's, which the
// program's DPI awareness makes the real one.
int fontDpi();

// The font in which a caption is measured and drawn: the same call for both, so that
// the fit to the monitor measures exactly what the window shows. Sizes are points at
// `dpi`; a size below one point is drawn at one, as on the other systems.
UniqueFont createFont(const FontSpec& spec, int dpi = fontDpi());

// The flags of DrawTextW for a caption: one line, never clipped, placed by its top
// left corner; "&" underlines the next letter and is not drawn, "&&" draws one "&".
constexpr UINT CaptionDrawFlags = DT_SINGLELINE | DT_NOCLIP | DT_LEFT | DT_TOP;

}  // namespace solvane::windows
