#pragma once
#include <windows.h>

#include "platform/WindowSystem.h"

namespace solvane::windows {

// The tray icon's images, loaded from the program's resources at the size of a small
// icon: the running and the stopped emblem, and no image for none. An image that the
// module does not carry (a test program has no resources) is no image either.
class TrayIconImages {
public:
    TrayIconImages();
    ~TrayIconImages();
    TrayIconImages(const TrayIconImages&) = delete;
    TrayIconImages& operator=(const TrayIconImages&) = delete;

    HICON icon(platform::TrayImage image) const;
    // Loads them again, at the small-icon size of now (it follows the screen's DPI).
    void reload();

private:
    void free();
    HICON running_ = nullptr;
    HICON stopped_ = nullptr;
};

}  // namespace solvane::windows
