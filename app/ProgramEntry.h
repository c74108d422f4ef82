#pragma once
#include "app/CommandLine.h"
#include "platform/Platform.h"

namespace solvane {

// The program's entry: ends other instances (unless reloading), creates the three
// windows, runs the event loop and returns the process exit code.
int runProgram(platform::Platform& platform, const CommandLine& words);

// False for "shutdown", which only ends the running instances and returns before any
// window is created: such a start needs no display.
bool createsWindows(const CommandLine& words);

}  // namespace solvane
