#pragma once
#include <cstddef>

namespace solvane::testing {

// The heap as this test program sees it: every block taken with operator new and
// not yet given back, and their usable bytes. Counted by the replacement operators
// new and delete in HeapCounter.cpp, so it covers the core, the fake platform and
// the standard library containers alike.
struct HeapUse {
    long long blocks = 0;
    long long bytes = 0;
};

HeapUse currentHeapUse();

}  // namespace solvane::testing
