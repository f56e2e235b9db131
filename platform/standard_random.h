#pragma once

#include "random_source.h"

#include <random>

// The program's generator: a Mersenne twister, seeded from the clock unless given a seed.
class StandardRandom : public RandomSource {
public:
    StandardRandom();
    explicit StandardRandom(unsigned seed);

    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
};
