#include "platform/qt/QtFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include "platform/qt/QtConversions.h"

namespace solvane::qt {

std::vector<std::string> QtFonts::scalableFamilies() {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family) || !QFontDatabase::isSmoothlyScalable(family)) continue;
        families.push_back(toStdString(family));
    }
    return families;
}

Size QtFonts::measureCaption(const std::string& text, const FontSpec& font) {
    const QFontMetrics metrics(toQFont(font));
    const QSize size = metrics.size(CaptionTextFlags, toQString(text));
    return Size{size.width(), metrics.height()};
}

}  // namespace solvane::qt
