#pragma once
#include <QString>
#include <cstddef>
#include <map>
#include <string>
#include <tuple>

#include "platform/Fonts.h"

class QFontMetrics;

namespace solvane::qt {

// Installed fonts and text measurement through Qt's font database.
class QtFonts : public platform::Fonts {
public:
    // Each installed typeface once, under its plain name, in Qt's order: only families
    // that are smoothly scalable, public, not one of the generic aliases and able to
    // write Latin text (a symbol or dingbat font would show a row of pictures).
    std::vector<std::string> scalableFamilies() override;
    // A text wider than any screen can be (X's coordinates end at 32767) measures as
    // some width beyond that, not necessarily its own: a long text is measured from
    // its beginning in growing pieces, and a piece that is already too wide ends the
    // measure. So a pasted book costs no more than a line wider than any screen.
    Size measureCaption(const std::string& text, const FontSpec& font) override;

    static constexpr int WidestScreen = 32767;
    // The first piece of a long text that is measured, in bytes; each next one is twice as long.
    static constexpr std::size_t FirstPieceBytes = 4096;

    // At most this many measures are kept, of texts of this many bytes in all; the
    // next one then starts afresh. A longer text is not kept at all.
    static constexpr std::size_t MaxRememberedMeasures = 4096;
    static constexpr std::size_t MaxRememberedTextBytes = std::size_t{1} << 20;
    std::size_t rememberedMeasures() const { return rememberedMeasures_; }
    std::size_t rememberedTextBytes() const { return rememberedTextBytes_; }
    // The characters (UTF-16 code units) laid out by all measures so far.
    std::size_t laidOutCharacters() const { return laidOutCharacters_; }

private:
    Size measure(const std::string& text, const FontSpec& font);
    int lineWidth(const QFontMetrics& metrics, const QString& line);

    // Measures taken before, by text and then by family, style and size. The fit of a
    // showing measures its text at a few sizes, around the same sizes again and again,
    // and each size that Qt has let go of costs it a new font engine, which asks
    // fontconfig to match the font anew. Colour plays no part in a measure.
    using FontKey = std::tuple<std::string, int, int>;  // family, style, size
    std::map<std::string, std::map<FontKey, Size>> remembered_;
    std::size_t rememberedMeasures_ = 0;
    std::size_t rememberedTextBytes_ = 0;
    std::size_t laidOutCharacters_ = 0;
};

// A family name as Qt lists it, without the foundry that Qt adds in brackets when
// several foundries make a family of that name: "Nimbus Sans [URW ]" is "Nimbus Sans".
// Qt finds a family by its plain name and takes the best of its foundries.
QString plainFamilyName(const QString& family);

}  // namespace solvane::qt
