#include "agreeing_layout.h"

#include "words/letter_case.h"

#include <algorithm>
#include <utility>

namespace {

// Whether Spanish says "e" rather than "y" before the word: it begins with the sound "i",
// written i or hi (accented or not, in either case), but not with hie or hia, where the i is
// a consonant.
bool BeginsWithSpanishI(std::u16string_view word) {
    const auto letter = [&](size_t i) { return i < word.size() ? LowerCase(word[i]) : u'\0'; };
    const auto isI = [](char16_t c) { return c == u'i' || c == u'\u00ed'; };
    if (isI(letter(0)))
        return true;
    if (letter(0) != u'h' || !isI(letter(1)))
        return false;
    return letter(2) != u'e' && letter(2) != u'a';
}

// Where the adjective stands in this language.
Place PlaceIn(Language language, const PlacedAdjective &adjective) {
    if (!ListSaysPlace(language))
        return Place::Before;
    return adjective.adverb.empty() ? adjective.place : Place::After;
}

// Writes the epithet, noting where each word lies; the words are views into the finished text.
class Writer {
public:
    explicit Writer(size_t room) {
        // Past the room a string keeps inside itself, so that moving the text out keeps the
        // words' views valid.
        text_.reserve(std::max<size_t>(room, 32));
    }

    void adjective(const PlacedAdjective &adjective) {
        if (!adjective.adverb.empty()) {
            word(adjective.adverb, WordClass::Adverb);
            text_ += u' ';
        }
        word(adjective.form, WordClass::Adjective);
    }
    void word(std::u16string_view text, WordClass wordClass) {
        placed_[count_++] = {text_.size(), text.size(), wordClass};
        text_ += text;
    }
    void join(std::u16string_view joiner) { text_ += joiner; }

    std::u16string finish(std::vector<EpithetWord> *words) {
        if (words) {
            words->clear();
            for (int i = 0; i < count_; ++i) {
                const std::u16string_view text =
                    std::u16string_view(text_).substr(placed_[i].offset, placed_[i].length);
                words->push_back({text, placed_[i].wordClass});
            }
        }
        return std::move(text_);
    }

private:
    struct Placed {
        size_t offset;
        size_t length;
        WordClass wordClass;
    };
    std::u16string text_;
    Placed placed_[4]; // a noun, two adjectives or an adjective and its adverb
    int count_ = 0;
};

} // namespace

std::u16string_view AndBefore(Language language, std::u16string_view next) {
    if (language == Language::French)
        return u" et ";
    return BeginsWithSpanishI(next) ? u" e " : u" y ";
}

std::u16string LayOutAgreeingEpithet(Language language, std::u16string_view noun,
                                     std::span<const PlacedAdjective> adjectives, bool commas,
                                     bool lengthOrder, std::vector<EpithetWord> *words) {
    size_t room = noun.size() + 8;
    for (const PlacedAdjective &adjective : adjectives)
        room += adjective.adverb.size() + adjective.form.size();
    Writer writer(room);
    const PlacedAdjective *before[2] = {};
    const PlacedAdjective *after[2] = {};
    int befores = 0;
    int afters = 0;
    for (const PlacedAdjective &adjective : adjectives) {
        if (PlaceIn(language, adjective) == Place::Before)
            before[befores++] = &adjective;
        else
            after[afters++] = &adjective;
    }
    for (auto *side : {before, after}) {
        if (lengthOrder && side[1] && side[0]->form.size() > side[1]->form.size())
            std::swap(side[0], side[1]);
    }

    if (befores > 0) {
        writer.adjective(*before[0]);
        if (befores == 2) {
            writer.join(commas ? u", " : u" ");
            writer.adjective(*before[1]);
        }
        writer.join(u" ");
    }
    writer.word(noun, WordClass::Noun);
    if (afters > 0) {
        writer.join(u" ");
        writer.adjective(*after[0]);
        if (afters == 2) {
            writer.join(commas ? u", " : AndBefore(language, after[1]->form));
            writer.adjective(*after[1]);
        }
    }
    return writer.finish(words);
}
