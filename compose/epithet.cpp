#include "epithet.h"

#include "agreeing_epithet.h"
#include "draw_without_clash.h"
#include "prefix_clashes.h"
#include "words/word_list.h"

#include <algorithm>
#include <utility>

namespace {

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
        gap_ = end.size();
    }
    std::u16string_view view() const { return {units_, length_}; }
    // What begins after the gap lies wholly within the second word, whose own test found it.
    size_t placesAcross() const { return gap_; }

private:
    char16_t units_[2 * kPrefixLength - 1];
    size_t length_;
    size_t gap_;
};

} // namespace

bool PrefixClash(std::u16string_view candidate, std::u16string_view text) {
    return !text.empty() && text.find(candidate.substr(0, kPrefixLength)) != text.npos;
}

std::u16string ComposeEpithet(WordLists &lists, const EpithetStyle &style, RandomSource &random,
                              std::vector<EpithetWord> *words) {
    if (lists.ListLanguage != Language::English)
        return ComposeAgreeingEpithet(lists, style, random, words);
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
    if (separator.size() > 1) {
        const AcrossPlainSpace across(first, second);
        againstHead.alsoIn(across.view(), across.placesAcross());
    }
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
