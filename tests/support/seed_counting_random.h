#pragma once

#include "platform/xoshiro_random.h"

#include <functional>

// A fixed sequence of numbers, whatever the clock says, with a count of the reseeds.
class SeedCountingRandom : public RandomSource {
public:
    void seedFromClock() override { ++seeds; }
    float next() override {
        if (beforeEachNumber)
            beforeEachNumber();
        return numbers_.next();
    }

    int seeds = 0;
    std::function<void()> beforeEachNumber;

private:
    XoshiroRandom numbers_{1};
};
