#pragma once
#include "platform/Monitors.h"

namespace solvane::windows {

// The monitors of the desktop in EnumDisplayMonitors' order, each with its full
// bounds (rcMonitor, not the work area), in the coordinates of the program's DPI
// awareness.
class Win32Monitors final : public platform::Monitors {
public:
    std::vector<Rect> list() override;
};

}  // namespace solvane::windows
