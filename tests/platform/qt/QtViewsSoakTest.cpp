// A long run of showings through the real Qt windows (offscreen, on virtual time), with
// the look as installed: what the windows keep between showings (the glyph shape, the
// painted layers, Qt's font and paint caches) must stop growing once the first showings
// have filled it. (With random fonts and sizes Qt keeps a font engine for each font and
// size met, so the heap grows until each has been met; that is Qt's cache, bounded by
// the number of fonts and sizes, and left out here.)
#include <gtest/gtest.h>

#include <malloc.h>
#include <cstdlib>
#include <iostream>

#include "QtProgramHarness.h"
#include "soak/HeapCounter.h"

namespace solvane::qt {
namespace {

using solvane::testing::currentHeapUse;
using solvane::testing::HeapUse;
using testing::QtProgramHarness;

long long showingsToRun() {
    const char* value = std::getenv("SOLVANE_SOAK_SHOWINGS");
    return value && *value ? std::atoll(value) : 10'000;
}

// Bytes the C heap has handed out and not had back: Qt's strings, images and regions
// are taken with malloc, past the counted operator new.
long long mallocInUse() { return static_cast<long long>(mallinfo2().uordblks); }

class QtViewsSoak : public ::testing::Test {
protected:
    // One showing: the window appears, Qt paints it, it goes and Qt catches up again.
    bool showOnce() {
        TfrmHint& hint = h.program.hint();
        if (!h.fake.loop.advanceUntil([&hint] { return hint.visible(); }, 10 * 60'000)) return false;
        QtProgramHarness::sync();
        if (!h.fake.loop.advanceUntil([&hint] { return !hint.visible(); }, 10 * 60'000)) return false;
        QtProgramHarness::sync();
        return true;
    }

    QtProgramHarness h;
};

TEST_F(QtViewsSoak, TheHeapStaysFlatOverManyShowings) {
    // The first showings load fonts and fill Qt's caches.
    constexpr int WarmUp = 50;
    for (int i = 0; i < WarmUp; ++i) ASSERT_TRUE(showOnce()) << "showing " << i;
    const HeapUse blocksBefore = currentHeapUse();
    const long long mallocBefore = mallocInUse();

    const long long showings = showingsToRun();
    for (long long i = 0; i < showings; ++i) ASSERT_TRUE(showOnce()) << "showing " << WarmUp + i;
    const HeapUse blocksAfter = currentHeapUse();
    const long long mallocAfter = mallocInUse();
    std::cout << showings << " showings: " << blocksBefore.blocks << " -> " << blocksAfter.blocks << " blocks, C heap "
              << mallocBefore << " -> " << mallocAfter << " bytes in use\n";

    // A block or a few bytes kept per showing would add up to thousands of blocks and
    // tens of kilobytes; what is allowed is a cache's last entry or two.
    EXPECT_LE(blocksAfter.blocks, blocksBefore.blocks + 20);
    EXPECT_LE(mallocAfter, mallocBefore + 16 * 1024);
}

}  // namespace
}  // namespace solvane::qt
