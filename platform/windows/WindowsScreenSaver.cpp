#include "platform/windows/WindowsScreenSaver.h"

#include <windows.h>

namespace solvane::windows {

bool WindowsScreenSaver::screenSaverDesktopExists() {
    const HDESK desktop = OpenDesktopW(L"screen-saver", 0, FALSE, MAXIMUM_ALLOWED);
    if (desktop) {
        CloseDesktop(desktop);
        return true;
    }
    return GetLastError() == ERROR_ACCESS_DENIED;
}

bool WindowsScreenSaver::isRunning() {
    BOOL running = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENSAVERRUNNING, 0, &running, 0)) return running != FALSE;
    return screenSaverDesktopExists();
}

}  // namespace solvane::windows
