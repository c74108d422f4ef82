#include "platform/linux/X11ScreenSaverState.h"

#include <cstdlib>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

#include "platform/linux/SharedLibrary.h"

namespace solvane::linuxos {

namespace {

Display* asDisplay(void* display) { return static_cast<Display*>(display); }

// The extension's client library (libXss), opened at the first query.
struct LibXss {
    decltype(&XScreenSaverQueryExtension) queryExtension = nullptr;
    decltype(&XScreenSaverAllocInfo) allocInfo = nullptr;
    decltype(&XScreenSaverQueryInfo) queryInfo = nullptr;
};

// The functions, or null when libXss cannot be opened or lacks one of them.
const LibXss* libXss() {
    static const LibXss* const functions = []() -> const LibXss* {
        static const SharedLibrary library("libXss.so.1");
        static LibXss loaded;
        const bool complete = library.resolve(loaded.queryExtension, "XScreenSaverQueryExtension") &&
                              library.resolve(loaded.allocInfo, "XScreenSaverAllocInfo") &&
                              library.resolve(loaded.queryInfo, "XScreenSaverQueryInfo");
        return complete ? &loaded : nullptr;
    }();
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
    int eventBase = 0;
    int errorBase = 0;
    hasExtension_ = xss->queryExtension(asDisplay(display_), &eventBase, &errorBase) != 0;
    return hasExtension_;
}

std::optional<bool> X11ScreenSaverState::isOn() {
    if (!connect()) return std::nullopt;
    const LibXss* xss = libXss();
    Display* display = asDisplay(display_);
    XScreenSaverInfo* info = xss->allocInfo();
    if (!info) return std::nullopt;
    std::optional<bool> on;
    if (xss->queryInfo(display, DefaultRootWindow(display), info) != 0) on = info->state == ScreenSaverOn;
    XFree(info);
    return on;
}

}  // namespace solvane::linuxos
