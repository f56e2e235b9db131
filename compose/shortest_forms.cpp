#include "shortest_forms.h"

#include "agreeing_layout.h"
#include "words/adjective_forms.h"
#include "words/word_pool.h"

#include <algorithm>
#include <string>

namespace {

// Where an adjective stands in the language: English and German put every one before the noun.
Place SideOf(Language language, Place listed) {
    return language != Language::English && ListSaysPlace(language) ? listed : Place::Before;
}

} // namespace

void ShortestForms::Side::offer(const Form &form) {
    if (!least || form.units < least->units) {
        if (!least || least->word != form.word)
            next = least;
        least = form;
    } else if (form.word != least->word && (!next || form.units < next->units)) {
        next = form;
    }
}

ShortestForms::ShortestForms(const WordPool &adjectives, Language language, Gender gender)
    : language_(language) {
    std::u16string form;
    for (int k = 1; k <= adjectives.size(); ++k) {
        form.clear();
        AppendAgreeingForm(form, adjectives.word(k), language, gender);
        const Place side = SideOf(language, static_cast<Place>(adjectives.grammar(k)));
        sides_[static_cast<int>(side)].offer({adjectives.word(k), form.size()});
    }
}

uint64_t ShortestForms::fewest() const {
    uint64_t least = UINT64_MAX;
    for (const Side &side : sides_)
        if (side.least)
            least = std::min(least, side.least->units);
    return least;
}

std::optional<uint64_t> ShortestForms::fewestPair(bool commas) const {
    std::optional<uint64_t> fewest;
    const auto offer = [&](const std::optional<Form> &a, const std::optional<Form> &b,
                           uint64_t joiner) {
        if (a && b && a->word != b->word && (!fewest || a->units + joiner + b->units < *fewest))
            fewest = a->units + joiner + b->units;
    };
    const Side &before = sides_[static_cast<int>(Place::Before)];
    const Side &after = sides_[static_cast<int>(Place::After)];
    // Two on one side stand joined; one on each side, apart by the noun and its two spaces,
    // of which one is counted here.
    // Spanish " y " and " e " are as long.
    offer(before.least, before.next, commas ? 2 : 1);
    offer(after.least, after.next, commas ? 2 : AndBefore(language_, u"").size());
    for (const std::optional<Form> &first : {before.least, before.next})
        for (const std::optional<Form> &second : {after.least, after.next})
            offer(first, second, 1);
    return fewest;
}
