#include "platform/linux/ProcMemory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace solvane::linuxos {
namespace {

TEST(ProcMemoryTest, ReadingIsPositiveAndGrowsWithTouchedMemory) {
    ProcMemory memory;
    const double before = memory.workingSetBytes();
    EXPECT_GT(before, 1024.0 * 1024.0) << "a running test program holds more than 1 MiB";

    constexpr std::size_t size = 64 * 1024 * 1024;
    auto block = std::make_unique<char[]>(size);
    std::memset(block.get(), 1, size);  // touching every page makes it resident
    const double after = memory.workingSetBytes();
    const volatile char* keep = block.get();
    EXPECT_EQ(keep[size - 1], 1);

    // Loose bound: at least half of the block shows, whatever else the allocator does.
    EXPECT_GT(after - before, static_cast<double>(size) / 2);
}

}  // namespace
}  // namespace solvane::linuxos
