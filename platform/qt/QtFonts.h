#pragma once
#include "platform/Fonts.h"

namespace solvane::qt {

// Installed fonts and text measurement through Qt's font database.
class QtFonts : public platform::Fonts {
public:
    std::vector<std::string> scalableFamilies() override;
    Size measureCaption(const std::string& text, const FontSpec& font) override;
};

}  // namespace solvane::qt
