// xoshiro256** with SplitMix64 seeding, and the unbiased bounded draw.
#include "game/Random.h"

#include <chrono>

namespace {

std::uint64_t SplitMix64(std::uint64_t& state) {
    std::uint64_t mixed = (state += 0x9e3779b97f4a7c15ULL);
    mixed = (mixed ^ (mixed >> 30)) * 0xbf58476d1ce4e5b9ULL;
    mixed = (mixed ^ (mixed >> 27)) * 0x94d049bb133111ebULL;
    return mixed ^ (mixed >> 31);
}

std::uint64_t RotateLeft(std::uint64_t value, int bits) { return (value << bits) | (value >> (64 - bits)); }

}  // namespace

CRandom::CRandom(std::uint64_t seed) : state_{} { Seed(seed); }

void CRandom::Seed(std::uint64_t seed) {
    // SplitMix64 never yields four zero words, the one state xoshiro cannot leave.
    for (std::uint64_t& word : state_) word = SplitMix64(seed);
}

std::uint64_t CRandom::Next() {
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t shifted = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= shifted;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

std::uint32_t CRandom::Below(std::uint32_t bound) {
    // 2^32 mod bound values at the bottom of the range would be one draw too
    // many for the low remainders; what is left is a whole number of bounds.
    const std::uint32_t rejected = static_cast<std::uint32_t>(-bound) % bound;
    for (;;) {
        const auto draw = static_cast<std::uint32_t>(Next() >> 32);
        if (draw >= rejected) return draw % bound;
    }
}

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}
