#include "platform/windows/Win32Monitors.h"

#include <windows.h>

namespace solvane::windows {

namespace {

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& bounds = info.rcMonitor;
        reinterpret_cast<std::vector<Rect>*>(list)->push_back(
            {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top});
    }
    return TRUE;
}

}  // namespace

std::vector<Rect> Win32Monitors::list() {
    std::vector<Rect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &addMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

}  // namespace solvane::windows
