#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/FontSpec.h"
#include "platform/Geometry.h"
#include "platform/windows/GdiFont.h"
#include "platform/windows/HintComposition.h"

namespace solvane::windows {

// Whether a line is written from right to left: its first letter of a strong
// direction decides, whatever the language of the interface, so that a Hebrew
// sentence ends at the left with its full stop.
bool startsRightToLeft(std::wstring_view text);

// One caption in one font as GDI draws it with the caption convention, in the line's
// own direction, read back as the coverage of its antialiased glyphs. GDI writes no
// alpha of its own, so the glyphs are drawn white on black and each pixel's
// brightness is how much of it they cover.
class CaptionGlyphs {
public:
    CaptionGlyphs(std::wstring caption, const FontSpec& font);
    ~CaptionGlyphs();
    CaptionGlyphs(const CaptionGlyphs&) = delete;
    CaptionGlyphs& operator=(const CaptionGlyphs&) = delete;

    // The caption's box as the text is measured, its top left corner at (0, 0).
    Size extent() const { return extent_; }
    // Where its glyphs may draw: the box with room around it for the parts of glyphs
    // that reach out of it (italic overhangs, marks above capitals).
    Rect inkArea() const;
    // The glyphs' coverage of `area`, given in the caption's own coordinates; empty
    // when GDI cannot draw it.
    Coverage draw(const Rect& area) const;

private:
    std::wstring caption_;
    UINT flags_;
    HDC dc_;
    UniqueFont font_;
    HGDIOBJ previousFont_ = nullptr;
    Size extent_;
};

}  // namespace solvane::windows
