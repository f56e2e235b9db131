#pragma once

#include "words/grammar_tag.h"
#include "words/language.h"

#include <cstdint>
#include <optional>
#include <string_view>

class WordPool;

// The shortest forms that the adjectives take beside a noun of one gender, on each side of it,
// from which the shortest heads follow without composing.
class ShortestForms {
public:
    ShortestForms(const WordPool &adjectives, Language language, Gender gender);

    // The fewest UTF-16 units of one adjective's form.
    uint64_t fewest() const;

    // The fewest units of two different adjectives and what joins them, the spaces beside the
    // noun between them included; none where there are not two.
    std::optional<uint64_t> fewestPair(bool commas) const;

private:
    struct Form {
        std::u16string_view word; // as the list writes it, which tells adjectives apart
        uint64_t units = 0;
    };
    // The two shortest forms of different adjectives on one side of the noun.
    struct Side {
        std::optional<Form> least, next;
        void offer(const Form &form);
    };

    Language language_;
    Side sides_[2]; // by Place
};
