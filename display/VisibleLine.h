#pragma once
#include <cstddef>
#include <string>

namespace solvane {

// How much of one line of text a monitor can ever show. The fit to the monitor goes
// down to 1 point at the least, and there a glyph of a font that writes text is at
// least an eighth of a pixel wide (the narrowest letters of the installed fonts
// measure 0.13 to 0.2 pixels, a usual text about half a pixel per character), so a
// line across a monitor holds at most eight drawn characters per pixel of its width.
// What lies beyond can never be seen, however the text is fitted; only characters
// that draw nothing at all (combining marks, soft hyphens) can break this bound.
inline constexpr int DrawnCharactersPerPixel = 8;
// A few characters more than can show: shaping makes a glyph depend on its neighbours.
inline constexpr std::size_t VisibleLineMargin = 64;

// The most drawn characters that a line `width` pixels wide can show.
std::size_t longestVisibleLine(int width);

// The caption cut after `drawnCharacters` drawn characters, counted as the caption
// convention draws them ("&x" draws x, "&&" draws one "&"), never inside a UTF-8
// sequence; the caption itself when it draws no more.
std::string cutCaption(const std::string& caption, std::size_t drawnCharacters);

}  // namespace solvane
