#pragma once
#include "platform/Monitors.h"

namespace solvane::qt {

// The screens Qt knows, in its order, each with its full bounds (not the work area).
class QtMonitors : public platform::Monitors {
public:
    std::vector<Rect> list() override;
};

}  // namespace solvane::qt
