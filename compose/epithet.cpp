#include "epithet.h"

#include "platform/counting_random.h"
#include "words/word_list.h"

#include <utility>

namespace {

constexpr size_t kPrefixLength = 5;

enum class Passers { None, OnlyDrawn, SomeFree };

// Which words of the pool could pass against `text`, if any.
Passers FindPassers(const WordPool &pool, std::u16string_view text) {
    Passers found = Passers::None;
    for (int k = 1; k <= pool.size(); ++k) {
        if (PrefixClash(pool.word(k), text))
            continue;
        if (!pool.isDrawn(k))
            return Passers::SomeFree;
        found = Passers::OnlyDrawn;
    }
    return found;
}

struct Candidate {
    int index;
    bool clashes;
};

// Draws until a word does not clash with `text`, putting each rejected word back. A plain
// retry loop can run for ever: when no word can pass, and also when every word that could is
// already handed out in this pass, since the free words it keeps putting back make the new
// pass that would free them all but impossible. So each time the rejected draws have taken as
// many random numbers as the pool holds, it looks: if no word can pass, the candidate is kept,
// clash and all; if only handed-out words can, a new pass begins. Counting numbers rather than
// rejections keeps the looking in proportion to the drawing, however long each draw probes.
// Looking draws no random numbers, so whenever a free word can pass, the draws are exactly
// those of the plain loop.
Candidate DrawWithoutClash(WordPool &pool, std::u16string_view text, RandomSource &random) {
    CountingRandom counting(random);
    for (;;) {
        const int k = DrawWord(pool, counting);
        if (!PrefixClash(pool.word(k), text))
            return {k, false};
        if (counting.count < pool.size()) {
            pool.putBack(k);
            continue;
        }
        counting.count = 0;
        switch (FindPassers(pool, text)) {
        case Passers::None:
            return {k, true};
        case Passers::OnlyDrawn:
            StartNewPass(pool, counting);
            break;
        case Passers::SomeFree:
            pool.putBack(k);
            break;
        }
    }
}

} // namespace

bool PrefixClash(std::u16string_view candidate, std::u16string_view text) {
    return !text.empty() && text.find(candidate.substr(0, kPrefixLength)) != text.npos;
}

std::u16string ComposeEpithet(WordLists &lists, bool single, bool commas, bool lengthOrder,
                              RandomSource &random) {
    // The pools keep their words' text in place for good, even when a draw reshuffles them,
    // so the modifiers can stay views into it.
    std::u16string_view first;
    std::u16string_view separator;
    bool firstIsAdverb = false;

    if (!single) {
        separator = u" ";
        if (random.next() < lists.AdverbShare) {
            first = lists.AdverbPool.word(DrawWord(lists.AdverbPool, random));
            firstIsAdverb = true;
        } else {
            first = lists.AdjectivePool.word(DrawWord(lists.AdjectivePool, random));
            if (commas)
                separator = u", ";
        }
    }

    const Candidate adjective = DrawWithoutClash(lists.AdjectivePool, first, random);
    std::u16string_view second = lists.AdjectivePool.word(adjective.index);
    if (adjective.clashes) {
        // No adjective differs from the first modifier (a list with one adjective, say): one
        // modifier reads better than a word next to its own echo.
        first = {};
        separator = {};
        firstIsAdverb = false;
    }

    if (!single && lengthOrder && !firstIsAdverb && first.size() > second.size())
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
    const Candidate noun = DrawWithoutClash(lists.NounPool, epithet, random);
    epithet += lists.NounPool.word(noun.index);
    return epithet;
}
