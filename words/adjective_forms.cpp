#include "adjective_forms.h"

#include "letter_case.h"
#include "trimmed.h"

#include <array>

namespace {

struct Ending {
    std::u16string_view from;
    std::u16string_view to;
};

// The first row whose ending the spelling has wins, so longer endings come before shorter ones
// that they end with; a row with no ending matches every spelling.
constexpr std::array kFrenchFeminine = {
    Ending{u"e", u"e"},         Ending{u"eux", u"euse"},  Ending{u"if", u"ive"},
    Ending{u"el", u"elle"},     Ending{u"ien", u"ienne"}, Ending{u"on", u"onne"},
    Ending{u"er", u"\u00e8re"}, Ending{u"et", u"ette"},   Ending{u"", u"e"},
};

constexpr std::array kSpanishFeminine = {
    Ending{u"o", u"a"},         Ending{u"or", u"ora"},      Ending{u"\u00f3n", u"ona"},
    Ending{u"\u00e1n", u"ana"}, Ending{u"\u00edn", u"ina"}, Ending{u"", u""},
};

// The strong nominative endings, masculine, feminine, neuter: after a final "e" it is not
// written twice.
constexpr std::array<std::u16string_view, 3> kGermanEndings = {u"er", u"e", u"es"};
constexpr std::array<std::u16string_view, 3> kGermanEndingsAfterE = {u"r", u"", u"s"};

// Appends the ending in the case of the spelling's last letter, so that a word in capitals
// keeps them: PUANT makes PUANTE.
void AppendEnding(std::u16string &out, std::u16string_view spelling, std::u16string_view ending) {
    const bool capitals = !spelling.empty() && IsUpperCase(spelling.back());
    for (char16_t unit : ending)
        out += capitals ? UpperCase(unit) : unit;
}

// The endings are matched whatever the spelling's case, as a language's rule does not depend
// on it.
template <size_t N>
void AppendByEnding(std::u16string &out, std::u16string_view spelling,
                    const std::array<Ending, N> &endings) {
    for (const Ending &ending : endings) {
        if (EndsWithInAnyCase(spelling, ending.from)) {
            out += spelling.substr(0, spelling.size() - ending.from.size());
            AppendEnding(out, spelling, ending.to);
            return;
        }
    }
}

} // namespace

bool SpellsFormsOut(std::u16string_view written) {
    return written.find(kFormSeparator) != written.npos;
}

int SpelledFormCount(std::u16string_view written) {
    int count = 1;
    for (char16_t unit : written)
        count += unit == kFormSeparator ? 1 : 0;
    return count;
}

bool HasEveryForm(std::u16string_view written, Language language) {
    if (!SpellsFormsOut(written))
        return true;
    if (SpelledFormCount(written) != GenderCount(language))
        return false;
    for (int gender = 0; gender < GenderCount(language); ++gender)
        if (SpelledForm(written, static_cast<Gender>(gender)).empty())
            return false;
    return true;
}

std::u16string_view SpelledForm(std::u16string_view written, Gender gender) {
    size_t begin = 0;
    for (int skip = static_cast<int>(gender); skip > 0; --skip)
        begin = written.find(kFormSeparator, begin) + 1;
    const size_t end = written.find(kFormSeparator, begin);
    return TrimmedOfSpaces(written.substr(begin, end == written.npos ? written.npos : end - begin));
}

void AppendRuleForm(std::u16string &out, std::u16string_view spelling, Language language,
                    Gender gender) {
    if (language == Language::German) {
        const auto &endings =
            EndsWithInAnyCase(spelling, u"e") ? kGermanEndingsAfterE : kGermanEndings;
        out += spelling;
        AppendEnding(out, spelling, endings[static_cast<int>(gender)]);
    } else if (gender == Gender::Feminine && language == Language::French) {
        AppendByEnding(out, spelling, kFrenchFeminine);
    } else if (gender == Gender::Feminine && language == Language::Spanish) {
        AppendByEnding(out, spelling, kSpanishFeminine);
    } else {
        out += spelling;
    }
}

void AppendAgreeingForm(std::u16string &out, std::u16string_view written, Language language,
                        Gender gender) {
    if (SpellsFormsOut(written))
        out += SpelledForm(written, gender);
    else
        AppendRuleForm(out, written, language, gender);
}
