#pragma once

#include "epithet.h"

#include <string>
#include <vector>

struct WordLists;
class RandomSource;

// Composes one epithet from a list in a language whose adjectives agree with the noun (German,
// French, Spanish), with the settings of ComposeEpithet and its shapes: an adverb and an
// adjective, two adjectives, or one. The words are laid out as LayOutAgreeingEpithet says.
//
// Random numbers are taken in this order, the same on every platform (each draw is DrawWord's:
// one number a probe, and a reshuffle's numbers and one more when it begins a new pass):
// 1. the noun's draw, since the adjectives' forms depend on its gender;
// 2. unless Single Modifier is on: one number r; with r below the adverb share, the adverb's
//    draw, otherwise the first adjective's;
// 3. the second adjective's draw.
// Each word after the noun is drawn again, the rejected put back, while the first five
// characters of its printed form occur in a word drawn before it, as printed; where no word of
// its pool could fit, one draw is kept and the first modifier is left out (as in English,
// nothing is printed that echoes another word).
std::u16string ComposeAgreeingEpithet(WordLists &lists, const EpithetStyle &style,
                                      RandomSource &random,
                                      std::vector<EpithetWord> *words = nullptr);
