#include "platform/linux/ProcMemory.h"

#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace solvane::linuxos {

double ProcMemory::workingSetBytes() {
    // statm: total program size, then resident pages, then more counts, all in pages.
    // Read with plain system calls: a C++ stream would pull the stream and locale
    // machinery into every watchdog check of a program that uses it nowhere else.
    const int file = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (file < 0) return 0;
    char text[128];
    const ssize_t length = ::read(file, text, sizeof text - 1);
    ::close(file);
    if (length <= 0) return 0;
    text[length] = '\0';
    char* end = nullptr;
    std::strtoull(text, &end, 10);
    if (end == text) return 0;
    const char* resident = end;
    const unsigned long long residentPages = std::strtoull(resident, &end, 10);
    if (end == resident) return 0;
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pageSize <= 0) return 0;
    return static_cast<double>(residentPages) * static_cast<double>(pageSize);
}

}  // namespace solvane::linuxos
