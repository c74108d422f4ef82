#pragma once
#include <QIcon>

#include "platform/WindowSystem.h"

namespace solvane::qt {

// The tray icon's images, each size drawn when a tray host first asks for it: a black-and-white
// rising sun on a clear ground while running; the same sun crossed out by a red
// prohibition sign while stopped; a clear image for none.
QIcon trayIcon(platform::TrayImage image);

}  // namespace solvane::qt
