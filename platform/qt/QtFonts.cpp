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
    if (text.size() > MaxRememberedTextBytes) return measure(text, font);
    FontKey key{font.name, font.style, font.size};
    auto byText = remembered_.find(text);
    if (byText != remembered_.end()) {
        if (const auto found = byText->second.find(key); found != byText->second.end()) return found->second;
    }
    const Size measured = measure(text, font);
    const bool newText = byText == remembered_.end();
    if (rememberedMeasures_ >= MaxRememberedMeasures ||
        (newText && rememberedTextBytes_ + text.size() > MaxRememberedTextBytes)) {
        remembered_.clear();
        rememberedMeasures_ = 0;
        rememberedTextBytes_ = 0;
        byText = remembered_.end();
    }
    if (byText == remembered_.end()) {
        byText = remembered_.try_emplace(text).first;
        rememberedTextBytes_ += text.size();
    }
    byText->second.emplace(std::move(key), measured);
    ++rememberedMeasures_;
    return measured;
}

Size QtFonts::measure(const std::string& text, const FontSpec& font) {
    const QFontMetrics metrics(toQFont(font));
    const int height = metrics.height();
    for (std::size_t bytes = FirstPieceBytes; bytes < text.size(); bytes *= 2) {
        // A piece ends before a character, never inside its UTF-8 sequence.
        std::size_t end = bytes;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
        const int width = lineWidth(metrics, QString::fromUtf8(text.data(), static_cast<qsizetype>(end)));
        // The rest of the text only adds to the line: it is too wide for any screen.
        if (width > WidestScreen) return {width, height};
    }
    return {lineWidth(metrics, toQString(text)), height};
}

int QtFonts::lineWidth(const QFontMetrics& metrics, const QString& line) {
    laidOutCharacters_ += static_cast<std::size_t>(line.size());
    return metrics.size(CaptionTextFlags, line).width();
}

}  // namespace solvane::qt
