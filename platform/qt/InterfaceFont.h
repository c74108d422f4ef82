#pragma once
#include <QFont>

namespace solvane::qt {

// The font of the settings dialog: the desktop's font at 8 points, condensed when it
// is wider than the font the dialog's fixed layout was made for.
QFont dialogInterfaceFont(const QFont& desktopFont);

}  // namespace solvane::qt
