#pragma once
#include "WindowsLoopTraits.h"
#include "WindowsServiceTraits.h"

// How the contract suites drive the Windows services of platform/windows: the real
// registry, files and message loop of the Wine prefix (or Windows) the tests run in.
namespace solvane::contract {}  // namespace solvane::contract
