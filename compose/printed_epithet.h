#pragma once

#include "epithet_style.h"

#include <string>
#include <string_view>

struct WordLists;

// The epithets that the rules counted beside the composer give as examples, as the composer
// prints them.

// The epithet of two modifiers and a noun, as the composer sets them out in English.
std::u16string TwoModifiers(std::u16string_view first, bool firstIsAdverb,
                            std::u16string_view second, std::u16string_view noun,
                            const EpithetStyle &style);

// The epithet of the words as the composer prints them: in a language whose adjectives agree,
// each in the noun's gender and in the language's order. `first` is empty for none.
std::u16string PrintedEpithet(const WordLists &lists, std::u16string_view first, bool firstIsAdverb,
                              std::u16string_view second, std::u16string_view noun,
                              const EpithetStyle &style);
