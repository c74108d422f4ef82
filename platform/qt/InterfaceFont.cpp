#include "platform/qt/InterfaceFont.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>

namespace solvane::qt {
namespace {

// The interface font's size: the fixed layout of the pages is made for it.
constexpr int InterfacePointSize = 8;
// The controls' fixed sizes were made for the Windows dialog font, Tahoma at 8
// points, in which the 52 letters below are about 290 pixels wide. Most Linux
// desktop fonts are wider (DejaVu Sans by about a sixth), and captions that fit on
// Windows, the built-in ones included, would be cut off.
constexpr int DesignAlphabetWidth = 290;
// Narrower than this a font is hard to read; a caption may be cut off instead.
constexpr int NarrowestStretch = 75;

int alphabetWidth(const QFont& font) {
    return QFontMetrics(font).horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
}

}  // namespace

QFont dialogInterfaceFont(const QFont& desktopFont) {
    QFont font = desktopFont;
    font.setPointSize(InterfacePointSize);
    font.setStretch(QFont::Unstretched);
    const int width = alphabetWidth(font);
    if (width <= DesignAlphabetWidth) return font;
    // A condensed face of the family where there is one, otherwise Qt narrows the
    // glyphs it has.
    font.setStretch(std::max(NarrowestStretch, QFont::Unstretched * DesignAlphabetWidth / width));
    return font;
}

}  // namespace solvane::qt
