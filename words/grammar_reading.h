#pragma once

#include "grammar_tag.h"
#include "language.h"
#include "word_class.h"

#include <cstdint>
#include <optional>
#include <string_view>

// What the notation makes of a word line in a list of a language other than English, the same
// for the loader, which keeps or leaves out the word by it, and for the checker, which says why.
enum class GrammarVerdict : uint8_t {
    Kept,
    // A noun with no gender, "N Frosch": no adjective could agree with it, so it is left out.
    NounWithoutGender,
    // A letter that is no gender of the language: "Nn" in French, "Nx"; left out.
    NotAGender,
    // A letter that is no place: "Jx"; left out.
    NotAPlace,
    // Forms spelled out, but not one for each gender or one of them empty; left out.
    MissingForm,
    // A letter after an adverb's V, which never changes; left out.
    AdverbWithLetter,
};

struct GrammarReading {
    GrammarVerdict verdict = GrammarVerdict::Kept;
    uint8_t grammar = 0; // what the pool keeps beside the word: a Gender or a Place
};

// Reads the grammar of a cleaned word of the class, whose tag has the grammar letter `letter`
// (none for a plain tag). A plain adjective stands where the language usually puts one.
GrammarReading ReadGrammar(Language language, WordClass wordClass, std::optional<char16_t> letter,
                           std::u16string_view word);

// What a line beginning with "@" did to the list's language.
enum class LanguageLineVerdict : uint8_t {
    NotALanguageLine, // any other line
    Taken,            // the list is in its language from here on
    UnknownLanguage,  // a code the program does not know: the list stays English
    TooLate,          // after a word or after another language line: ignored
};
