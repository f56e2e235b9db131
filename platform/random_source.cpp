#include "random_source.h"

#include <cmath>

int RandomIndex(RandomSource &random, int n) {
    // In double the product of a 24-bit fraction below 1 and any int is exact enough to stay
    // below n, so the index never passes n, however large the pool.
    const double r = random.next();
    return static_cast<int>(std::floor(r * n)) + 1;
}
