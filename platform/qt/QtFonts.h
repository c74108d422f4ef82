#pragma once
#include <QString>
#include <cstddef>
#include <map>
#include <tuple>

#include "platform/Fonts.h"

namespace solvane::qt {

// Installed fonts and text measurement through Qt's font database.
class QtFonts : public platform::Fonts {
public:
    // Each installed typeface once, under its plain name, in Qt's order: only families
    // that are smoothly scalable, public, not one of the generic aliases and able to
    // write Latin text (a symbol or dingbat font would show a row of pictures).
    std::vector<std::string> scalableFamilies() override;
    Size measureCaption(const std::string& text, const FontSpec& font) override;

    // At most this many measures are kept; the next one starts afresh.
    static constexpr std::size_t MaxRememberedMeasures = 4096;
    std::size_t rememberedMeasures() const { return remembered_.size(); }

private:
    // Measures taken before. The fit of a showing measures its text at a few sizes,
    // around the same sizes again and again, and each size that Qt has let go of
    // costs it a new font engine, which asks fontconfig to match the font anew.
    // Colour plays no part in a measure.
    using MeasureKey = std::tuple<std::string, std::string, int, int>;  // text, family, style, size
    std::map<MeasureKey, Size> remembered_;
};

// A family name as Qt lists it, without the foundry that Qt adds in brackets when
// several foundries make a family of that name: "Nimbus Sans [URW ]" is "Nimbus Sans".
// Qt finds a family by its plain name and takes the best of its foundries.
QString plainFamilyName(const QString& family);

}  // namespace solvane::qt
