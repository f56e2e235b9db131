#include "word_pool.h"

#include "platform/random_source.h"

#include <cassert>
#include <utility>

void ShuffleWords(WordPool &pool, RandomSource &random) {
    const int n = pool.size();
    if (n < 2)
        return;
    for (int i = 1; i <= n; ++i) {
        int j = RandomIndex(random, n);
        while (j == i)
            j = RandomIndex(random, n);
        std::swap(pool.entry(i), pool.entry(j));
    }
}

void StartNewPass(WordPool &pool, RandomSource &random) {
    ShuffleWords(pool, random);
    for (WordEntry &entry : pool)
        entry.Drawn = 0;
}

int DrawWord(WordPool &pool, RandomSource &random) {
    assert(!pool.empty());
    const int n = pool.size();
    for (int probe = 0; probe < n; ++probe) {
        const int k = RandomIndex(random, n);
        if (pool.entry(k).Drawn == 0) {
            pool.entry(k).Drawn = 1;
            return k;
        }
    }

    StartNewPass(pool, random);
    const int k = RandomIndex(random, n);
    pool.entry(k).Drawn = 1;
    return k;
}
