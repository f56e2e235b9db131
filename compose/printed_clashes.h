#pragma once

#include "words/grammar_tag.h"
#include "words/language.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class WordPool;

// Which words of a pool echo the words of an epithet as they are printed, for a language whose
// adjectives agree: a candidate clashes when the first five characters of its printed form (an
// adjective's in the noun's gender, any other word as written) occur in one of the words, or
// theirs in it, whatever the case of a letter. Each test makes the candidate's form, so that an
// echo between inflected forms is found whatever the words' dictionary forms share.
class PrintedClashes {
public:
    // `agreeWith` is the noun's gender when the pool holds
    // adjectives, none otherwise.
    PrintedClashes(const WordPool &pool, std::span<const std::u16string_view> printed,
                   Language language, std::optional<Gender> agreeWith);

    // Whether entry k of the pool clashes with the words.
    bool clashes(int k) const;

    // Whether every word of the pool clashes; looks only as far as the first that does not.
    bool noneFit() const;

private:
    const WordPool &pool_;
    std::vector<std::u16string> printed_; // the words, their case folded
    Language language_;
    std::optional<Gender> agreeWith_;
    mutable std::u16string form_; // the candidate's printed form, kept for its room
};
