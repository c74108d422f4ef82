#include "platform/linux/ProcMemory.h"

#include <fstream>

#include <unistd.h>

namespace solvane::linuxos {

double ProcMemory::workingSetBytes() {
    // statm: total program size, then resident pages, then more counts, all in pages.
    std::ifstream statm("/proc/self/statm");
    unsigned long long totalPages = 0;
    unsigned long long residentPages = 0;
    if (!(statm >> totalPages >> residentPages))
        return 0;
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pageSize <= 0)
        return 0;
    return static_cast<double>(residentPages) * static_cast<double>(pageSize);
}

}  // namespace solvane::linuxos
