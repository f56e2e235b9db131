#pragma once

#include "grammar_tag.h"
#include "language.h"

#include <string>
#include <string_view>

// An adjective as a list writes it: one spelling, whose forms the language's rule makes, or
// every form spelled out, separated by '/' (French and Spanish masculine/feminine, German the
// strong nominative masculine/feminine/neuter). Spaces around each form are not part of it.

inline constexpr char16_t kFormSeparator = u'/';

// Whether the adjective spells its forms out.
bool SpellsFormsOut(std::u16string_view written);

// How many forms it spells out: the parts that '/' separates, empty ones included.
int SpelledFormCount(std::u16string_view written);

// Whether it gives one form for each of the language's genders, none of them empty: one
// spelling always does; spelled-out forms must be exactly as many as the genders.
bool HasEveryForm(std::u16string_view written, Language language);

// The spelled-out form for the gender; the adjective must have every form.
std::u16string_view SpelledForm(std::u16string_view written, Gender gender);

// Appends the form that the language's rule makes of one spelling for the gender: German
// strong endings, French and Spanish feminines; the spelling itself for a masculine in French
// or Spanish, and in English.
void AppendRuleForm(std::u16string &out, std::u16string_view spelling, Language language,
                    Gender gender);

// Appends the form of an adjective that has every form, agreeing with a noun of the gender.
void AppendAgreeingForm(std::u16string &out, std::u16string_view written, Language language,
                        Gender gender);
