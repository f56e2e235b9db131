#pragma once

#include "platform/random_source.h"

// Passes on the numbers of another source and counts them.
class CountingRandom final : public RandomSource {
public:
    explicit CountingRandom(RandomSource &inner) : inner_(inner) {}

    void seedFromClock() override { inner_.seedFromClock(); }
    float next() override {
        ++count;
        return inner_.next();
    }

    long count = 0;

private:
    RandomSource &inner_;
};
