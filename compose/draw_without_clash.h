#pragma once

#include "compose/counting_random.h"
#include "words/word_pool.h"

#include <algorithm>

// A drawn word, and whether it clashes all the same because none could fit.
struct Candidate {
    int index;
    bool clashes;
};

// Whether a word that is not handed out yet in this pass fits: does not clash.
template <typename Clashes> bool FreeWordFits(const WordPool &pool, const Clashes &clashes) {
    for (int k = 1; k <= pool.size(); ++k)
        if (!pool.isDrawn(k) && !clashes.clashes(k))
            return true;
    return false;
}

// How long the retry waits, in random numbers, for a new pass to come by itself while only
// handed-out words could fit: long enough that on lists of everyday size it nearly always
// comes, short enough that a Make on a pool of millions stays quick.
inline constexpr long kPatiencePerWord = 4;
inline constexpr long kLeastPatience = 1 << 16;

// Draws until a word does not clash, putting each rejected word back. `clashes` answers
// `clashes(k)` for entry k and `noneFit()` for the whole pool. A plain retry loop can run for
// ever: when no word can fit, and all but for ever when every word that could is already handed
// out in this pass, since a new pass, which would free them, comes only after a run of probes
// that all miss the free words the loop keeps putting back. So where no word can fit, one draw
// is kept, clash and all. Otherwise, each time the rejected draws have taken as many random
// numbers as the pool holds, it looks whether only handed-out words could pass; while so, it
// goes on waiting for that run of misses, and begins the new pass itself only once the wait has
// used up its patience. Counting numbers rather than rejections keeps the looking in proportion
// to the drawing, however long each draw probes. Looking draws no random numbers, so until the
// patience runs out the draws are exactly those of the plain loop.
template <typename Clashes>
Candidate DrawWithoutClash(WordPool &pool, const Clashes &clashes, RandomSource &random) {
    if (clashes.noneFit())
        return {DrawWord(pool, random), true};
    const long patience = std::max(kPatiencePerWord * pool.size(), kLeastPatience);
    CountingRandom counting(random);
    long waited = 0; // numbers drawn while only handed-out words could fit
    // Rejected words go back at once, so which words could fit changes only with a new pass.
    long passLookedAt = -1;
    bool onlyHandedOutFit = false;
    for (;;) {
        const int k = DrawWord(pool, counting);
        // While only handed-out words could fit, a draw within the same pass takes a free
        // word, which is known to clash.
        const bool knownToClash = onlyHandedOutFit && passLookedAt == pool.passes();
        if (!knownToClash && !clashes.clashes(k))
            return {k, false};
        pool.putBack(k);
        if (counting.count < pool.size())
            continue;
        const long drawn = counting.count;
        counting.count = 0;
        if (passLookedAt != pool.passes()) {
            passLookedAt = pool.passes();
            onlyHandedOutFit = !FreeWordFits(pool, clashes);
        }
        if (!onlyHandedOutFit) {
            waited = 0;
            continue;
        }
        waited += drawn;
        if (waited >= patience) {
            waited = 0;
            StartNewPass(pool, counting);
        }
    }
}
