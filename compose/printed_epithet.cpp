#include "printed_epithet.h"

#include "agreeing_layout.h"
#include "words/adjective_forms.h"
#include "words/word_list.h"

#include <array>
#include <utility>

namespace {

// The entry of a pool that holds the word.
int EntryOf(const WordPool &pool, std::u16string_view word) {
    int k = 1;
    while (pool.word(k) != word)
        ++k;
    return k;
}

} // namespace

std::u16string TwoModifiers(std::u16string_view first, bool firstIsAdverb,
                            std::u16string_view second, std::u16string_view noun,
                            const EpithetStyle &style) {
    if (!firstIsAdverb && style.lengthOrder && first.size() > second.size())
        std::swap(first, second);
    std::u16string epithet(first);
    epithet += !firstIsAdverb && style.commas ? u", " : u" ";
    epithet += second;
    epithet += u' ';
    epithet += noun;
    return epithet;
}

std::u16string PrintedEpithet(const WordLists &lists, std::u16string_view first, bool firstIsAdverb,
                              std::u16string_view second, std::u16string_view noun,
                              const EpithetStyle &style) {
    const Language language = lists.ListLanguage;
    if (language == Language::English)
        return first.empty() ? std::u16string(second) + u' ' + std::u16string(noun)
                             : TwoModifiers(first, firstIsAdverb, second, noun, style);
    const auto gender = static_cast<Gender>(lists.NounPool.grammar(EntryOf(lists.NounPool, noun)));
    const WordPool &adjectives = lists.AdjectivePool;
    std::u16string forms[2];
    std::array<PlacedAdjective, 2> placed;
    size_t count = 0;
    for (const std::u16string_view adjective :
         {firstIsAdverb ? std::u16string_view() : first, second}) {
        if (adjective.empty())
            continue;
        AppendAgreeingForm(forms[count], adjective, language, gender);
        const int k = EntryOf(adjectives, adjective);
        placed[count] = {forms[count], {}, static_cast<Place>(adjectives.grammar(k))};
        ++count;
    }
    if (firstIsAdverb)
        placed[0].adverb = first;
    return LayOutAgreeingEpithet(language, noun, {placed.data(), count}, style.commas,
                                 style.lengthOrder);
}
