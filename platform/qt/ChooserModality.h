#pragma once
#include <QDialog>

namespace solvane::qt {

// A chooser opened from the settings dialog blocks that dialog only. Qt's default
// for exec() blocks every window of the program, and with them the tray icon's
// window, whose clicks would then be dropped while the chooser is open; the tray
// icon and the affirmation window keep answering as at any other time.
inline void blockOnlyTheParent(QDialog& chooser) { chooser.setWindowModality(Qt::WindowModal); }

}  // namespace solvane::qt
