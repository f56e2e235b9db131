#include "epithet.h"

#include "compose/counting_random.h"
#include "prefix_clashes.h"
#include "words/word_list.h"

#include <algorithm>
#include <utility>

namespace {

// Whether a word that is not handed out yet in this pass fits: does not clash.
bool FreeWordFits(const WordPool &pool, const PrefixClashes &clashes) {
    for (int k = 1; k <= pool.size(); ++k)
        if (!pool.isDrawn(k) && !clashes.clashes(k))
            return true;
    return false;
}

struct Candidate {
    int index;
    bool clashes;
};

// How long the retry waits, in random numbers, for a new pass to come by itself while only
// handed-out words could fit: long enough that on lists of everyday size it nearly always
// comes, short enough that a Make on a pool of millions stays quick.
constexpr long kPatiencePerWord = 4;
constexpr long kLeastPatience = 1 << 16;

// Draws until a word does not clash, putting each rejected word back. A plain retry loop can
// run for ever: when no word can fit, and all but for ever when every word that could is
// already handed out in this pass, since a new pass, which would free them, comes only after a
// run of probes that all miss the free words the loop keeps putting back. So where no word
// can fit, one draw is kept, clash and all. Otherwise, each time the rejected draws have
// taken as many random numbers as the pool holds, it looks whether only handed-out words could
// pass; while so, it goes on waiting for that run of misses, and begins the new pass itself
// only once the wait has used up its patience. Counting numbers rather than rejections keeps
// the looking in proportion to the drawing, however long each draw probes. Looking draws no
// random numbers, so until the patience runs out the draws are exactly those of the plain
// loop.
Candidate DrawWithoutClash(WordPool &pool, const PrefixClashes &clashes, RandomSource &random) {
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

// What a noun's prefix could find across the gap between two modifiers, were it a plain space:
// a comma there must not hide the first from the noun's test.
class AcrossPlainSpace {
public:
    AcrossPlainSpace(std::u16string_view first, std::u16string_view second) {
        const size_t edge = kPrefixLength - 1;
        const std::u16string_view end = first.substr(first.size() - std::min(first.size(), edge));
        const std::u16string_view start = second.substr(0, edge);
        char16_t *at = std::copy(end.begin(), end.end(), units_);
        *at++ = u' ';
        at = std::copy(start.begin(), start.end(), at);
        if (start.size() < edge)
            *at++ = u' '; // the space before the noun
        length_ = at - units_;
    }
    std::u16string_view view() const { return {units_, length_}; }

private:
    char16_t units_[2 * kPrefixLength - 1];
    size_t length_;
};

} // namespace

bool PrefixClash(std::u16string_view candidate, std::u16string_view text) {
    return !text.empty() && text.find(candidate.substr(0, kPrefixLength)) != text.npos;
}

std::u16string ComposeEpithet(WordLists &lists, const EpithetStyle &style, RandomSource &random,
                              std::vector<EpithetWord> *words) {
    // Loading numbers the prefixes already; pools filled otherwise are numbered on first use.
    lists.AdjectivePool.numberPrefixes();
    lists.NounPool.numberPrefixes();

    // The pools keep their words' text in place for good, even when a draw reshuffles them,
    // so the modifiers can stay views into it.
    std::u16string_view first;
    std::u16string_view separator;
    bool firstIsAdverb = false;

    if (!style.single) {
        separator = u" ";
        if (random.next() < lists.AdverbShare) {
            first = lists.AdverbPool.word(DrawWord(lists.AdverbPool, random));
            firstIsAdverb = true;
        } else {
            first = lists.AdjectivePool.word(DrawWord(lists.AdjectivePool, random));
            if (style.commas)
                separator = u", ";
        }
    }

    const PrefixClashes againstFirst(lists.AdjectivePool, first, {first}, lists.Echoes,
                                     EchoIndex::Adjectives);
    const Candidate adjective = DrawWithoutClash(lists.AdjectivePool, againstFirst, random);
    std::u16string_view second = lists.AdjectivePool.word(adjective.index);
    if (adjective.clashes) {
        // No adjective differs from the first modifier (a list with one adjective, say): one
        // modifier reads better than a word next to its own echo.
        first = {};
        separator = {};
        firstIsAdverb = false;
    }

    if (!style.single && style.lengthOrder && !firstIsAdverb && first.size() > second.size())
        std::swap(first, second);

    // Room for a noun of average length too, so that adding it rarely allocates again.
    std::u16string epithet;
    epithet.reserve(first.size() + separator.size() + second.size() + 16);
    epithet += first;
    epithet += separator;
    epithet += second;
    epithet += u' ';

    // A noun that clashes with every possible head is kept all the same: the epithet is still
    // well formed, and Make must always return.
    PrefixClashes againstHead(lists.NounPool, epithet, {first, separator, second, u" "},
                              lists.Echoes, EchoIndex::Nouns);
    if (separator.size() > 1)
        againstHead.alsoIn(AcrossPlainSpace(first, second).view());
    const Candidate noun = DrawWithoutClash(lists.NounPool, againstHead, random);
    epithet += lists.NounPool.word(noun.index);
    if (words) {
        words->clear();
        if (!first.empty())
            words->push_back({first, firstIsAdverb ? WordClass::Adverb : WordClass::Adjective});
        words->push_back({second, WordClass::Adjective});
        words->push_back({lists.NounPool.word(noun.index), WordClass::Noun});
    }
    return epithet;
}
