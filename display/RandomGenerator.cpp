#include "display/RandomGenerator.h"

namespace solvane {

namespace {
constexpr std::uint32_t kMultiplier = 134775813u;
}  // namespace

std::int32_t RandomGenerator::below(std::int32_t n) {
    // Unsigned arithmetic wraps modulo 2^32, which is exactly the generator's step.
    seed_ = seed_ * kMultiplier + 1u;
    if (n <= 0) return 0;
    const std::uint64_t product = static_cast<std::uint64_t>(seed_) * static_cast<std::uint64_t>(n);
    // seed_ < 2^32, so the high half is below n and fits the signed result.
    return static_cast<std::int32_t>(product >> 32);
}

}  // namespace solvane
