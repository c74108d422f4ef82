#pragma once
#include "platform/SystemServices.h"

namespace solvane::linuxos {

// The resident set size of this process (the pages it holds in memory), from
// /proc/self/statm; 0 when that cannot be read.
class ProcMemory final : public platform::ProcessMemory {
public:
    double workingSetBytes() override;
};

}  // namespace solvane::linuxos
