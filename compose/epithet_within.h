#pragma once

#include "epithet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Composes epithets until one has at most `maxLength` UTF-16 units, and returns it. Gives up,
// returning none, once `mostMisses` epithets in a row were longer, or as soon as `goOn()` is
// false before a try: a long search still ends when it is asked to.
template <typename GoOn>
std::optional<std::u16string> ComposeWithin(WordLists &lists, const EpithetStyle &style,
                                            uint64_t maxLength, uint64_t mostMisses,
                                            RandomSource &random, std::vector<EpithetWord> *words,
                                            GoOn goOn) {
    for (uint64_t misses = 0; misses < mostMisses && goOn(); ++misses) {
        std::u16string epithet = ComposeEpithet(lists, style, random, words);
        if (epithet.size() <= maxLength)
            return epithet;
    }
    return std::nullopt;
}
