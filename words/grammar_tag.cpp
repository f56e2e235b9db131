#include "grammar_tag.h"

std::optional<Gender> GenderOfLetter(char16_t letter) {
    switch (letter) {
    case u'm':
    case u'M':
        return Gender::Masculine;
    case u'f':
    case u'F':
        return Gender::Feminine;
    case u'n':
    case u'N':
        return Gender::Neuter;
    default:
        return std::nullopt;
    }
}

std::optional<Place> PlaceOfLetter(char16_t letter) {
    switch (letter) {
    case u'a':
    case u'A':
        return Place::After;
    case u'b':
    case u'B':
        return Place::Before;
    default:
        return std::nullopt;
    }
}

bool HasGender(Language language, Gender gender) {
    return static_cast<int>(gender) < GenderCount(language);
}

bool ListSaysPlace(Language language) {
    return language != Language::German;
}

Place UsualPlace(Language language) {
    return ListSaysPlace(language) ? Place::After : Place::Before;
}
