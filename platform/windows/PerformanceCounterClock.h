#pragma once
#include "platform/SystemServices.h"

namespace solvane::windows {

// The low 32 bits of the performance counter (QueryPerformanceCounter), which counts
// at a fixed rate of several million a second.
class PerformanceCounterClock final : public platform::HighResClock {
public:
    std::uint32_t counter() override;
};

}  // namespace solvane::windows
