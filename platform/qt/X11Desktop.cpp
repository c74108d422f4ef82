#include "platform/qt/X11Desktop.h"

#include <QGuiApplication>
#include <QWidget>
#include <string>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace solvane::qt::x11 {
namespace {

Display* x11Display() {
    auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return app ? app->display() : nullptr;
}

}  // namespace

bool compositorRunning() {
    Display* display = x11Display();
    if (!display) return true;
    const std::string selection = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
    const Atom atom = XInternAtom(display, selection.c_str(), False);
    return XGetSelectionOwner(display, atom) != None;
}

void setInstanceName(QWidget& window, const char* instanceName) {
    Display* display = x11Display();
    if (!display) return;
    std::string className = QGuiApplication::applicationName().toStdString();
    if (className.empty()) className = instanceName;
    XClassHint hint;
    hint.res_name = const_cast<char*>(instanceName);
    hint.res_class = className.data();
    XSetClassHint(display, static_cast<Window>(window.winId()), &hint);
    XFlush(display);
}

}  // namespace solvane::qt::x11
