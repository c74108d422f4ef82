#include "platform/qt/QtMonitors.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/QtConversions.h"

namespace solvane::qt {

std::vector<Rect> QtMonitors::list() {
    std::vector<Rect> monitors;
    for (const QScreen* screen : QGuiApplication::screens()) monitors.push_back(toRect(screen->geometry()));
    return monitors;
}

}  // namespace solvane::qt
