#pragma once
#include <QString>

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
};

// A family name as Qt lists it, without the foundry that Qt adds in brackets when
// several foundries make a family of that name: "Nimbus Sans [URW ]" is "Nimbus Sans".
// Qt finds a family by its plain name and takes the best of its foundries.
QString plainFamilyName(const QString& family);

}  // namespace solvane::qt
