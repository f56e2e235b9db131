#include "epithet_counts.h"

#include "epithet.h"
#include "prefix_clashes.h"
#include "printed_epithet.h"
#include "shortest_forms.h"
#include "words/repeated_words.h"
#include "words/word_list.h"

#include <algorithm>
#include <array>
#include <map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

// The words of the entries.
std::vector<std::u16string_view> WordsOf(const WordPool &pool, const std::vector<int> &entries) {
    std::vector<std::u16string_view> words;
    words.reserve(entries.size());
    for (const int k : entries)
        words.push_back(pool.word(k));
    return words;
}

// Whether an epithet can open with an adverb.
bool AdverbsOpen(const WordLists &lists, const EpithetStyle &style) {
    return !style.single && lists.AdverbShare > 0;
}

// Whether a first modifier can echo every adjective, so that the composer, finding no second
// that fits, makes a head of one adjective.
bool SomeModifierEchoesEveryAdjective(const WordLists &lists, const EpithetStyle &style) {
    if (style.single)
        return false;
    const size_t prefixes = lists.AdjectivePool.prefixes().size();
    for (const WordPool *pool : {&lists.AdverbPool, &lists.AdjectivePool}) {
        if (pool == &lists.AdverbPool && !AdverbsOpen(lists, style))
            continue;
        for (int k = 1; k <= pool->size(); ++k) {
            const std::u16string_view word = pool->word(k);
            // A word of n units holds at most 5n different stretches of one to five units.
            if (word.size() * kPrefixLength < prefixes)
                continue;
            const PrefixClashes clashes(lists.AdjectivePool, word, {word}, lists.Echoes,
                                        EchoIndex::Adjectives);
            if (clashes.noneFit())
                return true;
        }
    }
    return false;
}

// Whether the noun echoes the modifier, which a space always follows in a head.
bool EchoesModifier(std::u16string_view noun, std::u16string_view modifier) {
    std::u16string spaced(modifier);
    spaced += u' ';
    return PrefixClash(noun, spaced);
}

// Keeps the length if it is the shortest so far.
void Shorten(std::optional<uint64_t> &shortest, uint64_t length) {
    if (!shortest || length < *shortest)
        shortest = length;
}

} // namespace

DifferentWords FindDifferentWords(const WordLists &lists) {
    return {FindRepeats(lists.AdverbPool).firstComings,
            FindRepeats(lists.AdjectivePool).firstComings,
            FindRepeats(lists.NounPool).firstComings};
}

double CountEpithets(WordLists &lists, const DifferentWords &different, const EpithetStyle &style) {
    lists.AdjectivePool.numberPrefixes();
    const auto distinct = static_cast<double>(different.adjectives.size());
    const auto nouns = static_cast<double>(different.nouns.size());
    if (style.single)
        return distinct * nouns;
    double pairs = distinct * (distinct - 1);
    if (style.lengthOrder) {
        // Two adjectives of one length stand in either order; of two lengths, shorter first.
        std::map<size_t, double> byLength;
        for (const int k : different.adjectives)
            ++byLength[lists.AdjectivePool.word(k).size()];
        double sameLength = 0;
        for (const auto &[length, count] : byLength)
            sameLength += count * (count - 1);
        pairs = sameLength + (pairs - sameLength) / 2;
    }
    const double adverbs =
        AdverbsOpen(lists, style) ? static_cast<double>(different.adverbs.size()) : 0;
    const double oneAdjective = SomeModifierEchoesEveryAdjective(lists, style) ? distinct : 0;
    return (adverbs * distinct + pairs + oneAdjective) * nouns;
}

std::optional<uint64_t> ShortestEpithets::fewest() const {
    std::optional<uint64_t> least;
    for (const std::optional<uint64_t> &shape : {oneAdjective, adverbFirst, twoAdjectives})
        if (shape && (!least || *shape < *least))
            least = shape;
    return least;
}

ShortestEpithets FindShortestEpithets(WordLists &lists, const EpithetStyle &style) {
    lists.AdjectivePool.numberPrefixes();
    ShortestEpithets shortest;
    if (lists.AdjectivePool.empty() || lists.NounPool.empty())
        return shortest;
    uint64_t adverb = UINT64_MAX;
    for (int k = 1; k <= lists.AdverbPool.size(); ++k)
        adverb = std::min<uint64_t>(adverb, lists.AdverbPool.word(k).size());
    // The adjectives' forms, and so the epithet's length, follow the noun's gender.
    std::array<std::optional<uint64_t>, 3> nounByGender;
    for (int k = 1; k <= lists.NounPool.size(); ++k)
        Shorten(nounByGender[lists.NounPool.grammar(k)], lists.NounPool.word(k).size());
    const bool alone = style.single || SomeModifierEchoesEveryAdjective(lists, style);
    for (size_t gender = 0; gender < nounByGender.size(); ++gender) {
        if (!nounByGender[gender])
            continue;
        const uint64_t noun = *nounByGender[gender];
        const ShortestForms forms(lists.AdjectivePool, lists.ListLanguage,
                                  static_cast<Gender>(gender));
        if (alone)
            Shorten(shortest.oneAdjective, forms.fewest() + 1 + noun);
        if (AdverbsOpen(lists, style))
            Shorten(shortest.adverbFirst, adverb + 1 + forms.fewest() + 1 + noun);
        const std::optional<uint64_t> pair = forms.fewestPair(style.commas);
        if (!style.single && pair)
            Shorten(shortest.twoAdjectives, *pair + 1 + noun);
    }
    return shortest;
}

std::optional<std::u16string> EpithetRepeatingAWord(WordLists &lists,
                                                    const DifferentWords &different,
                                                    const EpithetStyle &style) {
    lists.AdjectivePool.numberPrefixes();
    if (different.nouns.empty() || different.nouns.size() > 2 || lists.AdjectivePool.empty())
        return std::nullopt;
    const std::vector<std::u16string_view> nouns = WordsOf(lists.NounPool, different.nouns);
    // Each modifier that some noun echoes, with the nouns it echoes as bits.
    struct Echoed {
        std::u16string_view word;
        bool adverb;
        unsigned nouns;
    };
    std::vector<Echoed> echoed;
    const unsigned everyNoun = (1u << nouns.size()) - 1;
    for (const bool adverb : {true, false}) {
        if (adverb && !AdverbsOpen(lists, style))
            continue;
        const WordPool &pool = adverb ? lists.AdverbPool : lists.AdjectivePool;
        for (const int k : adverb ? different.adverbs : different.adjectives) {
            const std::u16string_view word = pool.word(k);
            unsigned bits = 0;
            for (size_t n = 0; n < nouns.size(); ++n)
                if (EchoesModifier(nouns[n], word))
                    bits |= 1u << n;
            if (bits != 0)
                echoed.push_back({word, adverb, bits});
        }
    }
    if (style.single || SomeModifierEchoesEveryAdjective(lists, style))
        for (const Echoed &alone : echoed)
            if (!alone.adverb && alone.nouns == everyNoun)
                return PrintedEpithet(lists, {}, false, alone.word, nouns.back(), style);
    if (style.single)
        return std::nullopt;
    for (const Echoed &first : echoed) {
        if (first.nouns == everyNoun) {
            for (const int k : different.adjectives)
                if (const std::u16string_view second = lists.AdjectivePool.word(k);
                    !PrefixClash(second, first.word))
                    return PrintedEpithet(lists, first.word, first.adverb, second, nouns.back(),
                                          style);
            continue;
        }
        for (const Echoed &second : echoed)
            if (!second.adverb && (first.nouns | second.nouns) == everyNoun &&
                !PrefixClash(second.word, first.word))
                return PrintedEpithet(lists, first.word, first.adverb, second.word, nouns.back(),
                                      style);
    }
    return std::nullopt;
}

std::optional<std::u16string> EpithetOfEchoingModifiers(WordLists &lists,
                                                        const DifferentWords &different,
                                                        const EpithetStyle &style,
                                                        bool (*stopAsked)()) {
    const auto stopped = [stopAsked](size_t step) {
        return step % kStepsBetweenAsking == 0 && stopAsked && stopAsked();
    };
    WordPool &adjectives = lists.AdjectivePool;
    adjectives.numberPrefixes(stopAsked);
    if (style.single || different.nouns.empty() || stopped(0))
        return std::nullopt;
    // Each modifier that can come first, by its prefix's number in a table of theirs, so that
    // those whose prefix occurs in a second adjective are found by reading the adjective once.
    struct First {
        uint32_t prefix;
        std::u16string_view word;
        bool adverb;
        bool operator<(const First &other) const { return prefix < other.prefix; }
    };
    PrefixTable prefixes;
    std::vector<First> firsts;
    for (const bool adverb : {true, false}) {
        if (adverb && !AdverbsOpen(lists, style))
            continue;
        const WordPool &pool = adverb ? lists.AdverbPool : adjectives;
        for (const int k : adverb ? different.adverbs : different.adjectives) {
            if (stopped(firsts.size()))
                return std::nullopt;
            const std::u16string_view word = pool.word(k);
            firsts.push_back({prefixes.add(word.substr(0, kPrefixLength)), word, adverb});
        }
    }
    std::sort(firsts.begin(), firsts.end());
    // Whether a first passes a second's test depends on the second's prefix alone: where many
    // firsts share a prefix, they are tested once against each prefix of seconds.
    constexpr long kManyFirsts = 8;
    std::unordered_set<uint64_t> tested;
    std::optional<std::pair<First, std::u16string_view>> found;
    for (int k = 1; k <= adjectives.size() && !found; ++k) {
        if (stopped(k))
            return std::nullopt;
        const std::u16string_view second = adjectives.word(k);
        prefixes.findIn(second, [&](uint32_t number) {
            const auto [begin, end] =
                std::equal_range(firsts.begin(), firsts.end(), First{number, {}, false});
            if (end - begin > kManyFirsts &&
                !tested.insert(uint64_t{adjectives.prefixNumber(k)} << 32 | number).second)
                return;
            for (auto first = begin; first != end && !found; ++first)
                if (!PrefixClash(second, first->word))
                    found.emplace(*first, second);
        });
    }
    if (!found)
        return std::nullopt;
    const auto &[first, second] = *found;
    // A noun that echoes neither the head as printed nor with a plain space for its comma, as
    // the composer takes one where there is one.
    EpithetStyle plainStyle = style;
    plainStyle.commas = false;
    const std::u16string head = TwoModifiers(first.word, first.adverb, second, u"", style);
    const std::u16string plain = TwoModifiers(first.word, first.adverb, second, u"", plainStyle);
    std::u16string_view noun = lists.NounPool.word(different.nouns.front());
    for (const int k : different.nouns)
        if (const std::u16string_view candidate = lists.NounPool.word(k);
            !PrefixClash(candidate, head) && !PrefixClash(candidate, plain)) {
            noun = candidate;
            break;
        }
    return head + std::u16string(noun);
}
