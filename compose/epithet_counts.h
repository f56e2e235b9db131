#pragma once

#include "epithet_style.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct WordLists;

// What the composer's rules allow a list to make, worked out from the words rather than by
// composing. Each numbers the adjectives' prefixes first, as the composer does.

// The different words of a list's pools, each by its entry, in the pool's order: what the rules
// below look through, found once for them all, as in a list of millions that takes a while.
struct DifferentWords {
    std::vector<int> adverbs;
    std::vector<int> adjectives;
    std::vector<int> nouns;
};
DifferentWords FindDifferentWords(const WordLists &lists);

// How many different epithets the lists can make in `style`: exact where no word echoes
// another, more than they make otherwise. A double, since a list of millions makes more than
// 2^64. A head of one adjective is counted where a modifier echoes every adjective, since the
// composer then makes one.
double CountEpithets(WordLists &lists, const DifferentWords &different, const EpithetStyle &style);

// The fewest UTF-16 units of an epithet of each shape, none for a shape the style or the lists
// never make: exact where no word echoes another, never more than the shortest made otherwise.
struct ShortestEpithets {
    std::optional<uint64_t> oneAdjective;  // adjective noun
    std::optional<uint64_t> adverbFirst;   // adverb adjective noun
    std::optional<uint64_t> twoAdjectives; // adjective, adjective noun
    // The fewest of any shape; none where the lists make nothing.
    std::optional<uint64_t> fewest() const;
};
ShortestEpithets FindShortestEpithets(WordLists &lists, const EpithetStyle &style);

// An epithet the composer can make in `style` whose noun echoes the words before it, because
// every noun does and one is taken all the same; none where the nouns keep every epithet from
// repeating a word. Looked for with one or two different nouns only, for a head echoing more
// is rare and the search would cost as much as composing.
std::optional<std::u16string>
EpithetRepeatingAWord(WordLists &lists, const DifferentWords &different, const EpithetStyle &style);

// An epithet the composer can make in `style` whose modifiers echo each other the other way
// round: the first's prefix occurs in the second, which the composer does not test, as in
// "vile, vile and rank toad"; none where no two modifiers that can stand together do. None too
// once `stopAsked`, where given, says so: on a list of millions this takes seconds.
std::optional<std::u16string> EpithetOfEchoingModifiers(WordLists &lists,
                                                        const DifferentWords &different,
                                                        const EpithetStyle &style,
                                                        bool (*stopAsked)() = nullptr);
