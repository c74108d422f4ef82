#include "platform/linux/X11ScreenSaverState.h"

#include <cstdlib>
#include <cstring>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

#include "platform/linux/SharedLibrary.h"

namespace solvane::linuxos {

namespace {

Display* asDisplay(void* display) { return static_cast<Display*>(display); }

// The extension's client library (libXss), opened at the first query.
struct LibXss {
    decltype(&XScreenSaverQueryExtension) queryExtension = nullptr;
    decltype(&XScreenSaverSelectInput) selectInput = nullptr;
    decltype(&XScreenSaverAllocInfo) allocInfo = nullptr;
    decltype(&XScreenSaverQueryInfo) queryInfo = nullptr;
};

const LibXss* loadLibXss() {
    static const SharedLibrary library("libXss.so.1");
    static LibXss functions;
    const bool complete = library.resolve(functions.queryExtension, "XScreenSaverQueryExtension") &&
                          library.resolve(functions.selectInput, "XScreenSaverSelectInput") &&
                          library.resolve(functions.allocInfo, "XScreenSaverAllocInfo") &&
                          library.resolve(functions.queryInfo, "XScreenSaverQueryInfo");
    return complete ? &functions : nullptr;
}

// The functions, or null when libXss cannot be opened or lacks one of them.
const LibXss* libXss() {
    static const LibXss* const functions = loadLibXss();
    return functions;
}

}  // namespace

X11ScreenSaverState::X11ScreenSaverState() = default;

X11ScreenSaverState::~X11ScreenSaverState() {
    if (display_) XCloseDisplay(asDisplay(display_));
}

bool X11ScreenSaverState::connect() {
    if (tried_) return display_ && hasExtension_;
    tried_ = true;
    const LibXss* xss = libXss();
    if (!xss) return false;
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return false;
    display_ = XOpenDisplay(name);
    if (!display_) return false;
    int errorBase = 0;
    hasExtension_ = xss->queryExtension(asDisplay(display_), &eventBase_, &errorBase) != 0;
    // From now on the server tells this connection of every change; the first query
    // goes after this request, so no change falls between the two.
    if (hasExtension_)
        xss->selectInput(asDisplay(display_), DefaultRootWindow(asDisplay(display_)), ScreenSaverNotifyMask);
    return hasExtension_;
}

std::optional<bool> X11ScreenSaverState::ask() {
    const LibXss* xss = libXss();
    Display* display = asDisplay(display_);
    XScreenSaverInfo* info = xss->allocInfo();
    if (!info) return std::nullopt;
    std::optional<bool> on;
    if (xss->queryInfo(display, DefaultRootWindow(display), info) != 0) on = info->state == ScreenSaverOn;
    XFree(info);
    return on;
}

void X11ScreenSaverState::readNotices() {
    Display* display = asDisplay(display_);
    // XPending reads what has arrived without waiting for the server. The notices come
    // in the order of the changes, after whatever the first query answered.
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != eventBase_ + ScreenSaverNotify) continue;
        XScreenSaverNotifyEvent notice;
        std::memcpy(&notice, &event, sizeof notice);
        // "Cycle" is a screen saver that is on and moves to its next picture.
        on_ = notice.state != ScreenSaverOff;
    }
}

std::optional<bool> X11ScreenSaverState::isOn() {
    if (!connect()) return std::nullopt;
    if (!on_) on_ = ask();
    if (!on_) return std::nullopt;
    readNotices();
    return on_;
}

}  // namespace solvane::linuxos
