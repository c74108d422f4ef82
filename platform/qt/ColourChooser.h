#pragma once
#include <optional>

#include "platform/Geometry.h"

class QWidget;

namespace solvane::qt {

// Qt's colour dialog, modal, with the colour preselected. The colour on OK, in the
// stored layout 0x00BBGGRR; nothing on Cancel.
std::optional<Colour> chooseColour(QWidget* parent, Colour initial);

}  // namespace solvane::qt
