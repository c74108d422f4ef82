#include "display/RandomGenerator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace solvane {
namespace {

constexpr std::int32_t kMaxBound = std::numeric_limits<std::int32_t>::max();

// Expected draws worked out independently (Python big integers) from the recurrence
// seed := seed * 134775813 + 1 mod 2^32, draw = (new seed * n) >> 32.
struct Sequence {
    std::uint32_t seed;
    std::int32_t bound;
    std::vector<std::int32_t> draws;
};

TEST(RandomGenerator, DrawsFollowTheRecurrence) {
    const Sequence cases[] = {
        {0u, 1000, {0, 31, 861}},
        {12345u, 100, {38, 28, 7, 55, 63}},
        {12345u, kMaxBound, {827533966, 621383883, 171229689}},
        {0xDEADBEEFu, 1000, {372, 176, 590, 570}},
    };
    for (const Sequence& c : cases) {
        RandomGenerator random(c.seed);
        std::vector<std::int32_t> draws;
        for (std::size_t i = 0; i < c.draws.size(); ++i) draws.push_back(random.below(c.bound));
        EXPECT_EQ(draws, c.draws) << "seed " << c.seed << ", bound " << c.bound;
    }
}

TEST(RandomGenerator, AdvancesTheSeedBeforeMultiplying) {
    RandomGenerator random(0);
    // From seed 0 the first new seed is 1, so the draw is (1 * n) >> 32 = 0 even for the largest n.
    EXPECT_EQ(random.below(kMaxBound), 0);
    EXPECT_EQ(random.seed(), 1u);
    random.below(100);
    EXPECT_EQ(random.seed(), 134775814u);
}

TEST(RandomGenerator, ExtremeSeedsStayWithinTheBound) {
    // 0x4D60AE66 steps to 0xFFFFFFFF, the largest seed: the draw is n - 1.
    RandomGenerator top(0x4D60AE66u);
    EXPECT_EQ(top.below(kMaxBound), kMaxBound - 1);
    EXPECT_EQ(top.seed(), 0xFFFFFFFFu);
    // 0x26B05733 steps to 0: the draw is 0.
    RandomGenerator bottom(0x26B05733u);
    EXPECT_EQ(bottom.below(kMaxBound), 0);
    EXPECT_EQ(bottom.seed(), 0u);
}

TEST(RandomGenerator, BoundsWithoutAnyValueYieldZeroAndStillStep) {
    RandomGenerator empty(12345);
    RandomGenerator one(12345);
    for (std::int32_t bound : {0, -1, -7, std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_EQ(empty.below(bound), 0) << "bound " << bound;
        EXPECT_EQ(one.below(1), 0);
        EXPECT_EQ(empty.seed(), one.seed()) << "bound " << bound;
    }
}

}  // namespace
}  // namespace solvane
