#include "platform/linux/X11ScreenSaverState.h"

#include <cstdlib>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace solvane::linuxos {

namespace {

Display* asDisplay(void* display) { return static_cast<Display*>(display); }

}  // namespace

X11ScreenSaverState::X11ScreenSaverState() = default;

X11ScreenSaverState::~X11ScreenSaverState() {
    if (display_) XCloseDisplay(asDisplay(display_));
}

bool X11ScreenSaverState::connect() {
    if (tried_) return display_ && hasExtension_;
    tried_ = true;
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return false;
    display_ = XOpenDisplay(name);
    if (!display_) return false;
    int eventBase = 0;
    int errorBase = 0;
    hasExtension_ = XScreenSaverQueryExtension(asDisplay(display_), &eventBase, &errorBase) != 0;
    return hasExtension_;
}

std::optional<bool> X11ScreenSaverState::isOn() {
    if (!connect()) return std::nullopt;
    Display* display = asDisplay(display_);
    XScreenSaverInfo* info = XScreenSaverAllocInfo();
    if (!info) return std::nullopt;
    std::optional<bool> on;
    if (XScreenSaverQueryInfo(display, DefaultRootWindow(display), info) != 0) on = info->state == ScreenSaverOn;
    XFree(info);
    return on;
}

}  // namespace solvane::linuxos
