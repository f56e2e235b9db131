#pragma once

#include "random_source.h"

#include <array>
#include <cstdint>

// The program's generator: xoshiro256** (Blackman and Vigna), seeded from the clock unless
// given a seed. It is of the statistical quality of std::mt19937 in under a third of its time a
// number, which counts in a Make that begins a new pass: that draws two numbers a word.
class XoshiroRandom : public RandomSource {
public:
    XoshiroRandom();
    explicit XoshiroRandom(uint64_t seed);

    void seedFromClock() override;
    float next() override;

private:
    void seed(uint64_t value);

    std::array<uint64_t, 4> state_;
};

// A seed taken from the clock, which differs between two starts however close; what
// seedFromClock seeds with, for a caller that must be able to say which seed it used.
uint64_t ClockSeed();
