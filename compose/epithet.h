#pragma once

#include "epithet_style.h"
#include "words/word_class.h"

#include <string>
#include <string_view>
#include <vector>

struct WordLists;
class RandomSource;

// Whether the first five characters of `candidate` (all of it if shorter) occur in `text`: the
// clash rule as plainly stated, for tests and fuzzers to hold the composer to. The composer
// itself asks PrefixClashes, which answers for a whole pool at once.
bool PrefixClash(std::u16string_view candidate, std::u16string_view text);

// One word of an epithet, a view into its pool's text.
struct EpithetWord {
    std::u16string_view text;
    WordClass wordClass;
};

// Composes one epithet, such as "necrotic, incontinent pustule": one or two modifiers and a
// noun, drawn so that no word echoes one before it, in the given style. The adjective and noun
// pools must not be empty. `words`, where given, is filled with the epithet's words in their
// order.
std::u16string ComposeEpithet(WordLists &lists, const EpithetStyle &style, RandomSource &random,
                              std::vector<EpithetWord> *words = nullptr);
