#include "platform/windows/WorkingSetMemory.h"

#include <windows.h>

#include <psapi.h>

namespace solvane::windows {

double WorkingSetMemory::workingSetBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.WorkingSetSize);
}

}  // namespace solvane::windows
