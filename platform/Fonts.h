#pragma once
#include <string>
#include <vector>

#include "platform/FontSpec.h"
#include "platform/Geometry.h"

namespace solvane::platform {

class Fonts {
public:
    virtual ~Fonts() = default;
    // The installed scalable font families, in the platform's order.
    virtual std::vector<std::string> scalableFamilies() = 0;
    // Size of a single line of text drawn in the font, with the caption convention
    // ("&" marks an access key and is not drawn, "&&" draws one "&").
    virtual Size measureCaption(const std::string& text, const FontSpec& font) = 0;
};

}  // namespace solvane::platform
