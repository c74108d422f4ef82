#pragma once
#include <string>

#include "platform/windows/DialogPaintedWindows.h"

namespace solvane::windows {

// The information pages' pictures ship as JPEG files in the folder "pictures" beside
// the executable ("links.jpg", "links_de.jpg", "about.jpg", "thanks.jpg",
// "thanks_de.jpg"). The folder's path with a trailing backslash; empty when Windows
// cannot tell where the executable is.
std::wstring dialogPicturesFolder();

// The picture in the file, decoded by the Windows Imaging Component into a 32-bit
// top-down DIB section; nullptr when the file is missing, is no picture WIC can decode,
// or is larger than a page could ever show.
UniqueBitmap loadPicture(const std::wstring& path);

}  // namespace solvane::windows
