#include "grammar_reading.h"

#include "adjective_forms.h"

GrammarReading ReadGrammar(Language language, WordClass wordClass, std::optional<char16_t> letter,
                           std::u16string_view word) {
    switch (wordClass) {
    case WordClass::Adverb:
        return {!letter ? GrammarVerdict::Kept : GrammarVerdict::AdverbWithLetter, 0};
    case WordClass::Noun: {
        if (!letter)
            return {GrammarVerdict::NounWithoutGender, 0};
        const std::optional<Gender> gender = GenderOfLetter(*letter);
        if (!gender || !HasGender(language, *gender))
            return {GrammarVerdict::NotAGender, 0};
        return {GrammarVerdict::Kept, static_cast<uint8_t>(*gender)};
    }
    case WordClass::Adjective:
        break;
    }
    const std::optional<Place> place = !letter ? UsualPlace(language) : PlaceOfLetter(*letter);
    if (!place)
        return {GrammarVerdict::NotAPlace, 0};
    if (!HasEveryForm(word, language))
        return {GrammarVerdict::MissingForm, 0};
    return {GrammarVerdict::Kept, static_cast<uint8_t>(*place)};
}
