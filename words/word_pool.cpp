#include "word_pool.h"

#include "platform/random_source.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace {

// A random position of 1..n other than i.
int DrawPartner(RandomSource &random, int n, int i) {
    int j = RandomIndex(random, n);
    while (j == i)
        j = RandomIndex(random, n);
    return j;
}

} // namespace

void WordPool::numberPrefixes(bool (*stopAsked)()) {
    if (numbered_)
        return;
    prefixes_.reserve(entries_.size());
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (i % kStepsBetweenAsking == 0 && stopAsked && stopAsked())
            return;
        entries_[i].prefixNumber = prefixes_.add(entries_[i].word().substr(0, kPrefixLength));
    }
    prefixes_.shrinkToFit();
    numbered_ = true;
}

void ShuffleWords(WordPool &pool, RandomSource &random, bool (*stopAsked)()) {
    const int n = pool.size();
    if (n < 2)
        return;
    // Partners are drawn a few positions ahead, in the same order as one by one, so that the
    // entry each will swap with is fetched from memory meanwhile: on a pool too large for the
    // cache this makes the shuffle several times faster.
    constexpr int kAhead = 16;
    std::array<int, kAhead> partners{};
    for (int i = 1; i <= std::min(n, kAhead); ++i)
        partners[i % kAhead] = DrawPartner(random, n, i);
    for (int i = 1; i <= n; ++i) {
        if (i % kStepsBetweenAsking == 0 && stopAsked && stopAsked())
            return;
        const int j = partners[i % kAhead];
        if (i + kAhead <= n) {
            const int later = DrawPartner(random, n, i + kAhead);
            partners[i % kAhead] = later;
            pool.prefetch(later);
        }
        pool.swap(i, j);
    }
}

void StartNewPass(WordPool &pool, RandomSource &random) {
    ShuffleWords(pool, random);
    pool.freeAll();
}

int DrawWord(WordPool &pool, RandomSource &random) {
    assert(!pool.empty());
    const int n = pool.size();
    for (int probe = 0; probe < n; ++probe) {
        const int k = RandomIndex(random, n);
        if (!pool.isDrawn(k)) {
            pool.markDrawn(k);
            return k;
        }
    }

    StartNewPass(pool, random);
    const int k = RandomIndex(random, n);
    pool.markDrawn(k);
    return k;
}
