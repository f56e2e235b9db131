#include "support/scripted_random.h"

#include "compose/agreeing_epithet.h"
#include "words/grammar_tag.h"
#include "words/word_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Noun {
    std::u16string_view word;
    Gender gender;
};

struct Adjective {
    std::u16string_view word;
    Place place = Place::After;
};

struct ComposeRow {
    std::string what;
    Language language;
    std::vector<Noun> nouns;
    std::vector<Adjective> adjectives;
    std::vector<std::u16string_view> adverbs;
    EpithetStyle settings;
    std::vector<float> script; // the noun's draw, r, then the modifiers' draws
    std::u16string_view epithet;
};

// Pools in the order given, unshuffled, so scripts can pick words by position.
WordLists MakeLists(const ComposeRow &row) {
    WordLists lists;
    lists.ListLanguage = row.language;
    for (const Noun &noun : row.nouns) {
        lists.NounPool.append(noun.word);
        lists.NounPool.setLastGrammar(static_cast<uint8_t>(noun.gender));
    }
    for (const Adjective &adjective : row.adjectives) {
        lists.AdjectivePool.append(adjective.word);
        lists.AdjectivePool.setLastGrammar(static_cast<uint8_t>(adjective.place));
    }
    for (std::u16string_view adverb : row.adverbs)
        lists.AdverbPool.append(adverb);
    JudgeLists(lists);
    return lists;
}

constexpr float kAdjective = 0.99f; // at or above any adverb share below
constexpr float kAdverb = 0.0f;     // below any adverb share that is not zero

const Gender M = Gender::Masculine;
const Gender F = Gender::Feminine;
const Gender N = Gender::Neuter;
const Place B = Place::Before;

const std::vector<ComposeRow> kRows = {
    // Each gender against each way a German adjective gets its form.
    {"German masculine by rule",
     Language::German,
     {{u"Frosch", M}},
     {{u"stinkend"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 1)},
     u"stinkender Frosch"},
    {"German feminine by rule",
     Language::German,
     {{u"Kröte", F}},
     {{u"stinkend"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 1)},
     u"stinkende Kröte"},
    {"German neuter by rule",
     Language::German,
     {{u"Schwein", N}},
     {{u"stinkend"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 1)},
     u"stinkendes Schwein"},
    {"German neuter by rule after e",
     Language::German,
     {{u"Schwein", N}},
     {{u"feige"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 1)},
     u"feiges Schwein"},
    {"German feminine spelled out",
     Language::German,
     {{u"Kröte", F}},
     {{u"dunkler/dunkle/dunkles"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 1)},
     u"dunkle Kröte"},
    {"German neuter spelled out",
     Language::German,
     {{u"Schwein", N}},
     {{u"dunkler/dunkle/dunkles"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 1)},
     u"dunkles Schwein"},
    // French and Spanish, each gender by rule and spelled out.
    {"French feminine by rule",
     Language::French,
     {{u"pustule", F}},
     {{u"puant"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 1)},
     u"pustule puante"},
    {"French masculine by rule",
     Language::French,
     {{u"crapaud", M}},
     {{u"puant"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 1)},
     u"crapaud puant"},
    {"French feminine spelled out",
     Language::French,
     {{u"limace", F}},
     {{u"vieux/vieille", B}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 1)},
     u"vieille limace"},
    {"Spanish feminine by rule",
     Language::Spanish,
     {{u"rata", F}},
     {{u"baboso"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 1)},
     u"rata babosa"},
    {"Spanish masculine spelled out",
     Language::Spanish,
     {{u"sapo", M}},
     {{u"cabezón/cabezona"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 1)},
     u"sapo cabezón"},
    // The draws: the noun first, then r, then the modifiers in the order they are drawn.
    {"two German adjectives agree",
     Language::German,
     {{u"Frosch", M}, {u"Kröte", F}},
     {{u"faul"}, {u"stinkend"}},
     {},
     {.lengthOrder = false},
     {Pick(2, 2), kAdjective, Pick(2, 2), Pick(1, 2)},
     u"stinkende, faule Kröte"},
    {"a number equal to the adverb share draws an adjective",
     Language::German,
     {{u"Frosch", M}},
     {{u"faul"}, {u"fies"}, {u"lahm"}},
     {u"sehr"},
     {.lengthOrder = false},
     {Pick(1, 1), 0.25f, Pick(1, 3), Pick(2, 3)},
     u"fauler, fieser Frosch"},
    {"a German adverb stays as it is",
     Language::German,
     {{u"Kröte", F}},
     {{u"stinkend"}},
     {u"widerlich"},
     {.commas = false},
     {Pick(1, 1), kAdverb, Pick(1, 1), Pick(1, 1)},
     u"widerlich stinkende Kröte"},
    {"a French adverb takes its adjective after the noun",
     Language::French,
     {{u"crapaud", M}},
     {{u"sale", B}},
     {u"atrocement"},
     {},
     {Pick(1, 1), kAdverb, Pick(1, 1), Pick(1, 1)},
     u"crapaud atrocement sale"},
    {"Spanish y before an i sound",
     Language::Spanish,
     {{u"sapo", M}},
     {{u"apestoso"}, {u"inútil"}},
     {},
     {.commas = false, .lengthOrder = false},
     {Pick(1, 1), kAdjective, Pick(1, 2), Pick(2, 2)},
     u"sapo apestoso e inútil"},
    // The echo rule on printed forms.
    {"an adjective that echoes the noun is drawn again",
     Language::French,
     {{u"saleté", F}},
     {{u"sale"}, {u"puant"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 2), Pick(2, 2)},
     u"saleté puante"},
    {"an echo of the feminine form only is found for a feminine noun",
     Language::French,
     {{u"limace", F}},
     {{u"vieux/vieille"}, {u"puant"}},
     {u"vieillement"},
     {},
     {Pick(1, 1), kAdverb, Pick(1, 1), Pick(1, 2), Pick(2, 2)},
     u"limace vieillement puante"},
    {"and not for a masculine one",
     Language::French,
     {{u"crapaud", M}},
     {{u"vieux/vieille"}, {u"puant"}},
     {u"vieillement"},
     {},
     {Pick(1, 1), kAdverb, Pick(1, 1), Pick(1, 2)},
     u"crapaud vieillement vieux"},
    {"a German form that echoes the adverb is drawn again",
     Language::German,
     {{u"Frosch", M}},
     {{u"fies"}, {u"faul"}},
     {u"fieserweise"},
     {},
     {Pick(1, 1), kAdverb, Pick(1, 1), Pick(1, 2), Pick(2, 2)},
     u"fieserweise fauler Frosch"},
    {"an adjective that holds the start of the noun before it is drawn again",
     Language::Spanish,
     {{u"gusano", M}},
     {{u"agusanado"}, {u"mohoso"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 2), Pick(2, 2)},
     u"gusano mohoso"},
    {"a German adjective that echoes the capitalised noun is drawn again",
     Language::German,
     {{u"Schlafmütze", F}},
     {{u"schlafmützig"}, {u"faul"}},
     {},
     {.single = true},
     {Pick(1, 1), Pick(1, 2), Pick(2, 2)},
     u"faule Schlafmütze"},
    {"the first modifier is left out when no second adjective fits",
     Language::Spanish,
     {{u"sapo", M}},
     {{u"feo"}},
     {},
     {},
     {Pick(1, 1), kAdjective, Pick(1, 1), Pick(1, 1), Pick(1, 1)},
     u"sapo feo"},
};

TEST(ComposeAgreeingEpithet, DrawsAndAgreesInTheDocumentedOrder) {
    for (const ComposeRow &row : kRows) {
        SCOPED_TRACE(row.what);
        WordLists lists = MakeLists(row);
        ScriptedRandom random(row.script);
        EXPECT_EQ(ComposeAgreeingEpithet(lists, row.settings, random), row.epithet);
        EXPECT_EQ(random.remaining(), 0u) << "a script number was left unused";
    }
}

} // namespace
