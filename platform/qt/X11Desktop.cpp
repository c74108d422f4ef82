#include "platform/qt/X11Desktop.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstring>
#include <string>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace solvane::qt::x11 {

Display* display() {
    auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return app ? app->display() : nullptr;
}

bool compositorRunning() {
    Display* connection = display();
    if (!connection) return true;
    const std::string selection = "_NET_WM_CM_S" + std::to_string(DefaultScreen(connection));
    const Atom atom = XInternAtom(connection, selection.c_str(), False);
    return XGetSelectionOwner(connection, atom) != None;
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

}  // namespace solvane::qt::x11
