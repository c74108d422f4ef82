#pragma once
#include <string>
#include <vector>

#include "platform/SystemServices.h"

namespace solvane::linuxos {

// Starts a program as a process of its own that outlives this one. The arguments go
// to it as they are, one by one: no shell sees them.
class DetachedProcessStarter final : public platform::ProcessStarter {
public:
    void start(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace solvane::linuxos
