#pragma once

#include "language.h"

#include <cstdint>
#include <optional>

// A noun's gender, and so which of an adjective's forms agrees with it; the forms of an
// adjective are spelled out in this order.
enum class Gender : uint8_t { Masculine, Feminine, Neuter };

// Where an adjective stands: before the noun or after it.
enum class Place : uint8_t { Before, After };

// What a list in a language other than English says of a word beside its class: a noun's
// gender, an adjective's place. It is the second letter of a tag such as "Nm" or "Jb", in upper
// or lower case like the class letter. Each fits in the one byte a pool keeps beside the word.
std::optional<Gender> GenderOfLetter(char16_t letter);
std::optional<Place> PlaceOfLetter(char16_t letter);

// Whether a language has the gender: German all three, French and Spanish no neuter.
bool HasGender(Language language, Gender gender);

// Whether a list in the language says where each adjective stands: German puts every adjective
// before the noun, whatever its tag says.
bool ListSaysPlace(Language language);

// Where an adjective that a list gives no place stands: German puts every adjective before the
// noun, French and Spanish most of them after it.
Place UsualPlace(Language language);
