#include "platform/qt/SteadyClock.h"

#include <chrono>

namespace solvane::qt {

std::uint32_t SteadyClock::counter() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

}  // namespace solvane::qt
