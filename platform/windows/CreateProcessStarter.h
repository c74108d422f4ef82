#pragma once
#include <string>
#include <vector>

#include "platform/SystemServices.h"

namespace solvane::windows {

// Starts a program with CreateProcessW, as a process of its own that outlives this
// one. No shell sees the arguments: the program is named by its path, and the command
// line is quoted so that the new process's C runtime gives it each argument exactly
// (see CommandLineQuoting). No handle is inherited, and none is kept.
class CreateProcessStarter final : public platform::ProcessStarter {
public:
    void start(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace solvane::windows
