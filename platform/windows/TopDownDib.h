#pragma once
#include <windows.h>

#include "platform/Geometry.h"

namespace solvane::windows {

// A 32-bit DIB section of the given size with its rows from the top down, as the
// program's images lay out their pixels: the bitmap, or nullptr when GDI cannot make
// it. `bits` then points at its first pixel.
HBITMAP createTopDownDib(HDC dc, Size size, void** bits);

}  // namespace solvane::windows
