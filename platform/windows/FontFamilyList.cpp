#include "platform/windows/FontFamilyList.h"

#include <cwchar>

#include "platform/windows/WideText.h"

namespace solvane::windows {

void FontFamilyList::add(const LOGFONTW& font, const NEWTEXTMETRICEXW& metrics, DWORD type) {
    const bool outlines =
        (type & TRUETYPE_FONTTYPE) != 0 || (metrics.ntmTm.ntmFlags & (NTM_PS_OPENTYPE | NTM_TT_OPENTYPE)) != 0;
    if (!outlines || (type & RASTER_FONTTYPE) != 0) return;
    // The face name field is 32 characters wide, and may lack its terminating zero.
    const std::wstring name(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE));
    if (name.empty() || name.front() == L'@') return;
    const auto [entry, fresh] = indexOf_.try_emplace(name, families_.size());
    if (fresh) families_.push_back({name, false});
    if (font.lfCharSet != SYMBOL_CHARSET) families_[entry->second].writesText = true;
}

std::vector<std::string> FontFamilyList::scalableFamilies() const {
    std::vector<std::string> names;
    for (const Family& family : families_) {
        if (family.writesText) names.push_back(toUtf8(family.name));
    }
    return names;
}

}  // namespace solvane::windows
