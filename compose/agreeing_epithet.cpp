#include "agreeing_epithet.h"

#include "agreeing_layout.h"
#include "draw_without_clash.h"
#include "printed_clashes.h"
#include "words/adjective_forms.h"
#include "words/word_list.h"

#include <array>
#include <optional>

std::u16string ComposeAgreeingEpithet(WordLists &lists, const EpithetStyle &style,
                                      RandomSource &random, std::vector<EpithetWord> *words) {
    const Language language = lists.ListLanguage;
    WordPool &adjectives = lists.AdjectivePool;
    const int nounIndex = DrawWord(lists.NounPool, random);
    const std::u16string_view noun = lists.NounPool.word(nounIndex);
    const auto gender = static_cast<Gender>(lists.NounPool.grammar(nounIndex));
    const auto placeOf = [&](int k) { return static_cast<Place>(adjectives.grammar(k)); };

    // The words drawn so far, as printed, that a candidate must not echo.
    std::array<std::u16string_view, 2> printed = {noun};
    size_t printedCount = 1;
    std::u16string_view adverb;
    std::u16string firstForm;
    Place firstPlace = Place::Before;
    if (!style.single) {
        const bool adverbFirst = random.next() < lists.AdverbShare;
        WordPool &pool = adverbFirst ? lists.AdverbPool : adjectives;
        const std::optional<Gender> agreement =
            adverbFirst ? std::nullopt : std::optional<Gender>(gender);
        const Candidate first = DrawWithoutClash(
            pool, PrintedClashes(pool, {printed.data(), 1}, language, agreement), random);
        if (!first.clashes && adverbFirst) {
            adverb = pool.word(first.index);
            printed[printedCount++] = adverb;
        } else if (!first.clashes) {
            AppendAgreeingForm(firstForm, pool.word(first.index), language, gender);
            firstPlace = placeOf(first.index);
            printed[printedCount++] = firstForm;
        }
    }

    const Candidate second = DrawWithoutClash(
        adjectives, PrintedClashes(adjectives, {printed.data(), printedCount}, language, gender),
        random);
    std::u16string secondForm;
    AppendAgreeingForm(secondForm, adjectives.word(second.index), language, gender);
    if (second.clashes) {
        adverb = {};
        firstForm.clear();
    }

    std::array<PlacedAdjective, 2> placed;
    size_t count = 0;
    if (!firstForm.empty())
        placed[count++] = {firstForm, {}, firstPlace};
    placed[count++] = {secondForm, adverb, placeOf(second.index)};
    return LayOutAgreeingEpithet(language, noun, {placed.data(), count}, style.commas,
                                 style.lengthOrder, words);
}
