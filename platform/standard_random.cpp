#include "standard_random.h"

#include <chrono>

StandardRandom::StandardRandom() {
    seedFromClock();
}

StandardRandom::StandardRandom(unsigned seed) : engine_(seed) {}

void StandardRandom::seedFromClock() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float StandardRandom::next() {
    // The top 24 bits fill a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}
