#include "epithet.h"

#include "platform/random_source.h"
#include "words/word_list.h"

#include <algorithm>
#include <utility>

namespace {

constexpr size_t kPrefixLength = 5;

bool AnyWordPasses(const WordPool &pool, std::u16string_view text) {
    return std::any_of(pool.begin(), pool.end(),
                       [text](const WordEntry &entry) { return !PrefixClash(entry.Word, text); });
}

struct Candidate {
    int index;
    bool clashes;
};

// Draws until a word does not clash with `text`, putting each rejected word back. Once as many
// words in a row have been rejected as the pool holds, it checks whether any word could pass
// at all; if none can, the last candidate is kept, clash and all, rather than drawing for ever.
// The check draws no random numbers, so whenever some word can pass, the draws are exactly
// those of a plain retry loop.
Candidate DrawWithoutClash(WordPool &pool, std::u16string_view text, RandomSource &random) {
    int rejections = 0;
    for (;;) {
        const int k = DrawWord(pool, random);
        if (!PrefixClash(pool.entry(k).Word, text))
            return {k, false};
        if (++rejections == pool.size() && !AnyWordPasses(pool, text))
            return {k, true};
        pool.entry(k).Drawn = 0;
    }
}

} // namespace

bool PrefixClash(std::u16string_view candidate, std::u16string_view text) {
    return !text.empty() && text.find(candidate.substr(0, kPrefixLength)) != text.npos;
}

std::u16string ComposeEpithet(WordLists &lists, bool single, bool commas, bool lengthOrder,
                              RandomSource &random) {
    std::u16string first;
    std::u16string_view separator;
    bool firstIsAdverb = false;

    if (!single) {
        separator = u" ";
        if (random.next() < lists.AdverbShare) {
            first = lists.AdverbPool.entry(DrawWord(lists.AdverbPool, random)).Word;
            firstIsAdverb = true;
        } else {
            first = lists.AdjectivePool.entry(DrawWord(lists.AdjectivePool, random)).Word;
            if (commas)
                separator = u", ";
        }
    }

    const Candidate adjective = DrawWithoutClash(lists.AdjectivePool, first, random);
    std::u16string second = lists.AdjectivePool.entry(adjective.index).Word;
    if (adjective.clashes) {
        // No adjective differs from the first modifier (a list with one adjective, say): one
        // modifier reads better than a word next to its own echo.
        first.clear();
        separator = {};
        firstIsAdverb = false;
    }

    if (!single && lengthOrder && !firstIsAdverb && first.size() > second.size())
        std::swap(first, second);

    std::u16string epithet = first;
    epithet += separator;
    epithet += second;
    epithet += u' ';

    // A noun that clashes with every possible head is kept all the same: the epithet is still
    // well formed, and Make must always return.
    const Candidate noun = DrawWithoutClash(lists.NounPool, epithet, random);
    epithet += lists.NounPool.entry(noun.index).Word;
    return epithet;
}
