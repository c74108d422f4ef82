#include "platform/qt/QtFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QSet>

#include "platform/qt/QtConversions.h"

namespace solvane::qt {

namespace {

// Qt's fontconfig database lists these three besides the real families; each only
// stands for whatever fontconfig substitutes for serif, sans-serif or monospace.
bool isGenericAlias(const QString& family) {
    return family == QLatin1String("Serif") || family == QLatin1String("Sans Serif") ||
           family == QLatin1String("Monospace");
}

// Qt gives a font file whose languages it does not know the Symbol writing system.
// A symbol or dingbat font has pictures where the letters are, and at least one of
// its files declares no language (D050000L's OpenType file claims Latin, its Type 1
// files declare nothing), so a family with Symbol among its systems writes no text.
bool writesLatinText(const QString& family) {
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return systems.contains(QFontDatabase::Latin) && !systems.contains(QFontDatabase::Symbol);
}

}  // namespace

QString plainFamilyName(const QString& family) {
    if (!family.endsWith(QLatin1Char(']'))) return family;
    const qsizetype bracket = family.lastIndexOf(QLatin1String(" ["));
    return bracket > 0 ? family.left(bracket) : family;
}

std::vector<std::string> QtFonts::scalableFamilies() {
    std::vector<std::string> families;
    QSet<QString> seen;
    for (const QString& listed : QFontDatabase::families()) {
        const QString family = plainFamilyName(listed);
        if (seen.contains(family)) continue;
        seen.insert(family);
        if (isGenericAlias(family) || QFontDatabase::isPrivateFamily(family)) continue;
        if (!QFontDatabase::isSmoothlyScalable(family) || !writesLatinText(family)) continue;
        families.push_back(toStdString(family));
    }
    return families;
}

Size QtFonts::measureCaption(const std::string& text, const FontSpec& font) {
    MeasureKey key{text, font.name, font.style, font.size};
    if (const auto found = remembered_.find(key); found != remembered_.end()) return found->second;
    const QFontMetrics metrics(toQFont(font));
    const QSize size = metrics.size(CaptionTextFlags, toQString(text));
    const Size measured{size.width(), metrics.height()};
    if (remembered_.size() >= MaxRememberedMeasures) remembered_.clear();
    remembered_.emplace(std::move(key), measured);
    return measured;
}

}  // namespace solvane::qt
