// CRandom: the game's pseudo-random generator, xoshiro256** seeded through
// SplitMix64. The algorithm is our own code, so one seed gives the same
// sequence, and the same drops, on every build and standard library.
#pragma once

#include <cstdint>

class CRandom {
public:
    explicit CRandom(std::uint64_t seed = 0);

    void Seed(std::uint64_t seed);
    std::uint64_t Next();
    // Uniform over 0..bound-1 (bound > 0): draws whose value would favour the
    // low remainders are rejected and drawn again.
    std::uint32_t Below(std::uint32_t bound);

private:
    std::uint64_t state_[4];
};

// A seed that differs from one program start to the next.
std::uint64_t ClockSeed();
