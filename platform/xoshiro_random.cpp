#include "xoshiro_random.h"

#include <atomic>
#include <bit>
#include <chrono>

XoshiroRandom::XoshiroRandom() {
    seedFromClock();
}

XoshiroRandom::XoshiroRandom(uint64_t value) {
    seed(value);
}

uint64_t ClockSeed() {
    // The wall clock tells days apart, but on Windows it moves in steps of milliseconds; the
    // steady clock is finer there, and the count of calls parts two seeds taken in one tick.
    static std::atomic<uint64_t> calls{0};
    const auto wall =
        static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const auto steady =
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return wall ^ std::rotl(steady, 32) ^ (++calls * 0x9E3779B97F4A7C15);
}

void XoshiroRandom::seedFromClock() {
    seed(ClockSeed());
}

// SplitMix64 spreads the seed over the state, which it never leaves all zero.
void XoshiroRandom::seed(uint64_t value) {
    for (uint64_t &word : state_) {
        uint64_t z = value += 0x9E3779B97F4A7C15;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        word = z ^ (z >> 31);
    }
}

float XoshiroRandom::next() {
    const uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
    const uint64_t shifted = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= shifted;
    state_[3] = std::rotl(state_[3], 45);
    // The top 24 bits fill a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(result >> 40) * 0x1p-24f;
}
