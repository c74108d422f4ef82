#include "platform/windows/PerformanceCounterClock.h"

#include <windows.h>

namespace solvane::windows {

std::uint32_t PerformanceCounterClock::counter() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);  // cannot fail from Windows XP on
    return static_cast<std::uint32_t>(now.QuadPart);
}

}  // namespace solvane::windows
