#pragma once
#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace solvane::windows {

// Gathers the families of GDI's font enumeration (EnumFontFamiliesExW over every
// character set), which reports each family once for each of its character sets.
class FontFamilyList {
public:
    // One report of the enumeration.
    void add(const LOGFONTW& font, const NEWTEXTMETRICEXW& metrics, DWORD type);

    // Each scalable family once, in the order of its first report, under its plain
    // name. Scalable: TrueType outlines, or OpenType with PostScript outlines (which
    // GDI does not mark as TrueType; Wine marks them as device fonts); not raster,
    // vector or Type 1 fonts. Left out: the "@" faces (a family set for vertical
    // writing) and a family reported only in the symbol character set, which draws
    // pictures where the letters are.
    std::vector<std::string> scalableFamilies() const;

private:
    struct Family {
        std::wstring name;
        bool writesText = false;  // reported in a character set other than the symbol set
    };
    std::vector<Family> families_;
    std::unordered_map<std::wstring, std::size_t> indexOf_;
};

}  // namespace solvane::windows
