#pragma once
#include <vector>

#include "platform/Geometry.h"

namespace solvane::platform {

class Monitors {
public:
    virtual ~Monitors() = default;
    // Each monitor's full bounds, in the platform's order.
    virtual std::vector<Rect> list() = 0;
};

}  // namespace solvane::platform
