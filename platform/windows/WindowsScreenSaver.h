#pragma once
#include "platform/SystemServices.h"

namespace solvane::windows {

// Whether a screen saver runs, on the NT family. Windows answers the question itself
// (SystemParametersInfoW with SPI_GETSCREENSAVERRUNNING); only where that query fails
// does the screen saver's desktop tell (see screenSaverDesktopExists).
class WindowsScreenSaver final : public platform::ScreenSaver {
public:
    bool isRunning() override;

    // A running screen saver has a desktop of its own named "screen-saver". One that
    // opens, or one that exists and refuses this process (the secure desktop of a
    // screen saver with a password), counts as there.
    static bool screenSaverDesktopExists();
};

}  // namespace solvane::windows
