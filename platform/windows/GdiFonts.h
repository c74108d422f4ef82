#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "platform/Fonts.h"

namespace solvane::windows {

// Installed fonts through GDI's enumeration, and caption measurement with DrawTextW
// in the font the affirmation window draws with (createFont, CaptionDrawFlags).
class GdiFonts final : public platform::Fonts {
public:
    GdiFonts();
    ~GdiFonts() override;
    GdiFonts(const GdiFonts&) = delete;
    GdiFonts& operator=(const GdiFonts&) = delete;

    // Each installed scalable family once, in the order of GDI's enumeration (see
    // FontFamilyList). The name rules of the font catalogue are the core's.
    std::vector<std::string> scalableFamilies() override;
    // DrawTextW with DT_CALCRECT, in a memory context. A text wider than any screen
    // measures as some width beyond that, not necessarily its own: a long text is
    // measured from its beginning in growing pieces, and a piece that is already too
    // wide ends the measure. (Wine's DrawTextW lays out at most 1024 characters of a
    // line and measures a longer one as its widest 1024-character stretch; Windows
    // measures the whole line.)
    Size measureCaption(const std::string& text, const FontSpec& font) override;

    static constexpr int WidestScreen = 32767;
    // The first piece of a long text that is measured, in UTF-16 units; each next one
    // is twice as long.
    static constexpr std::size_t FirstPieceLength = 4096;

private:
    SIZE measureLongLine(const std::wstring& line) const;
    // The first `length` UTF-16 units of the line, in the font selected into the context.
    SIZE measureLine(const std::wstring& line, std::size_t length) const;

    // A memory device context of the screen's kind, for measuring.
    HDC context_;
};

}  // namespace solvane::windows
