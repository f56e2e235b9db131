#pragma once

#include "epithet.h"
#include "words/grammar_tag.h"
#include "words/language.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// An adjective of an epithet as printed, agreeing with the noun, with the adverb that modifies
// it, if any, and the place its list gives it.
struct PlacedAdjective {
    std::u16string_view form;
    std::u16string_view adverb; // empty for none
    Place place = Place::Before;
};

// Lays out the words of an epithet in a language whose adjectives agree, in reading order:
// - German: every adjective before the noun.
// - French and Spanish: each adjective on the side its list gives it, except that one an adverb
//   modifies always stands after the noun.
// The adverb stands just before its adjective. Two adjectives on one side stand in the order
// given, or shorter first with `lengthOrder`, joined by ", " with `commas`; without, by " et "
// (French) or " y " (Spanish, " e " before an "i" sound) after the noun, by a space before it
// (and always in German). One adjective on each side needs no joiner. `adjectives` holds one
// or two; `words`, where given, receives the words in reading order, as views into the
// returned text, valid for as long as it lives (moves included).
std::u16string LayOutAgreeingEpithet(Language language, std::u16string_view noun,
                                     std::span<const PlacedAdjective> adjectives, bool commas,
                                     bool lengthOrder, std::vector<EpithetWord> *words = nullptr);

// What joins two adjectives after the noun when commas are off.
std::u16string_view AndBefore(Language language, std::u16string_view next);
