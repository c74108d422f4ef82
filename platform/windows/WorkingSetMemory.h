#pragma once
#include "platform/SystemServices.h"

namespace solvane::windows {

// The working set of this process (the pages it holds in memory), as the Task Manager
// shows it; 0 when Windows cannot tell.
class WorkingSetMemory final : public platform::ProcessMemory {
public:
    double workingSetBytes() override;
};

}  // namespace solvane::windows
