#pragma once
#include <cstdint>

namespace solvane {

// The program's own pseudo-random generator: 32-bit linear congruential,
// seed := seed x 134775813 + 1 (mod 2^32). A showing reseeds it, and so does every
// shuffle of the font catalogue, so the same seed always gives the same draws.
class RandomGenerator {
public:
    RandomGenerator() = default;
    explicit RandomGenerator(std::uint32_t seed) : seed_(seed) {}

    void reseed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }

    // Advances the seed, then yields the high 32 bits of (new seed) x n: an integer
    // from 0 to n - 1. For n <= 0 there is no such range: the seed still advances
    // (every draw costs one step, whatever n is) and the result is 0.
    std::int32_t below(std::int32_t n);

private:
    std::uint32_t seed_ = 0;
};

}  // namespace solvane
