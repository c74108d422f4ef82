#include "platform/qt/X11Desktop.h"

#include <QGuiApplication>
#include <QWidget>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace solvane::qt::x11 {

namespace {

// How long the window manager may take to answer a request for frame extents.
constexpr int FrameExtentsAttempts = 100;
constexpr std::chrono::milliseconds FrameExtentsWait{5};

std::optional<QMargins> readFrameExtents(Display* connection, Window window, Atom extents) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(connection, window, extents, 0, 4, False, XA_CARDINAL, &type, &format, &count,
                                          &remaining, &data);
    std::optional<QMargins> margins;
    if (status == Success && type == XA_CARDINAL && format == 32 && count == 4) {
        // Xlib hands 32-bit items over as longs: left, right, top, bottom.
        const auto* values = reinterpret_cast<const long*>(data);
        margins = QMargins(static_cast<int>(values[0]), static_cast<int>(values[2]), static_cast<int>(values[1]),
                           static_cast<int>(values[3]));
    }
    if (data) XFree(data);
    return margins;
}

bool windowManagerSupports(Display* connection, Atom feature) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const Atom supported = XInternAtom(connection, "_NET_SUPPORTED", False);
    const int status = XGetWindowProperty(connection, DefaultRootWindow(connection), supported, 0, 4096, False, XA_ATOM,
                                          &type, &format, &count, &remaining, &data);
    bool found = false;
    if (status == Success && type == XA_ATOM && format == 32) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count && !found; ++i) found = atoms[i] == feature;
    }
    if (data) XFree(data);
    return found;
}

}  // namespace

Display* display() {
    auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return app ? app->display() : nullptr;
}

xcb_connection_t* connection() {
    auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return app ? app->connection() : nullptr;
}

void setInstanceName(QWidget& window, const char* instanceName) {
    Display* connection = display();
    if (!connection) return;
    std::string className = QGuiApplication::applicationName().toStdString();
    if (className.empty()) className = instanceName;
    XClassHint hint;
    hint.res_name = const_cast<char*>(instanceName);
    hint.res_class = className.data();
    XSetClassHint(connection, static_cast<Window>(window.winId()), &hint);
    XFlush(connection);
}

void setWindowName(QWidget& window, const char* name) {
    Display* connection = display();
    if (!connection) return;
    const auto native = static_cast<Window>(window.winId());
    const auto* bytes = reinterpret_cast<const unsigned char*>(name);
    const int length = static_cast<int>(std::strlen(name));
    XChangeProperty(connection, native, XA_WM_NAME, XA_STRING, 8, PropModeReplace, bytes, length);
    XChangeProperty(connection, native, XInternAtom(connection, "_NET_WM_NAME", False),
                    XInternAtom(connection, "UTF8_STRING", False), 8, PropModeReplace, bytes, length);
    XFlush(connection);
}

std::optional<QMargins> frameExtents(QWidget& window) {
    Display* connection = display();
    if (!connection) return std::nullopt;
    const auto native = static_cast<Window>(window.winId());
    const Atom extents = XInternAtom(connection, "_NET_FRAME_EXTENTS", False);
    if (window.isVisible()) return readFrameExtents(connection, native, extents);
    // A withdrawn window may keep what the window manager wrote when it let it go
    // (openbox writes zeros): only a fresh answer counts.
    const Atom request = XInternAtom(connection, "_NET_REQUEST_FRAME_EXTENTS", False);
    if (!windowManagerSupports(connection, request)) return std::nullopt;
    XDeleteProperty(connection, native, extents);
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = native;
    message.xclient.message_type = request;
    message.xclient.format = 32;
    XSendEvent(connection, DefaultRootWindow(connection), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &message);
    // The window manager answers by setting the property on the window.
    for (int attempt = 0; attempt < FrameExtentsAttempts; ++attempt) {
        XSync(connection, False);
        if (auto margins = readFrameExtents(connection, native, extents)) return margins;
        std::this_thread::sleep_for(FrameExtentsWait);
    }
    return std::nullopt;
}

}  // namespace solvane::qt::x11
