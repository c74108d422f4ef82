#pragma once
#include "platform/SystemServices.h"

namespace solvane::qt {

// The low 32 bits of the monotonic clock in nanoseconds.
class SteadyClock : public platform::HighResClock {
public:
    std::uint32_t counter() override;
};

}  // namespace solvane::qt
