#include "platform/qt/QtConversions.h"

#include <algorithm>

namespace solvane::qt {

QFont toQFont(const FontSpec& spec) {
    QFont font(toQString(spec.name));
    // Qt refuses sizes below one point; the fit to the monitor may go that far.
    font.setPointSize(std::max(1, spec.size));
    font.setBold((spec.style & StyleBold) != 0);
    font.setItalic((spec.style & StyleItalic) != 0);
    font.setUnderline((spec.style & StyleUnderline) != 0);
    font.setStrikeOut((spec.style & StyleStrikeOut) != 0);
    return font;
}

}  // namespace solvane::qt
