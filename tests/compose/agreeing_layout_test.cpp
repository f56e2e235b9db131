#include "compose/agreeing_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr Place B = Place::Before;
constexpr Place A = Place::After;

struct LayoutRow {
    Language language;
    std::vector<PlacedAdjective> adjectives; // in the order drawn
    bool commas;
    bool lengthOrder;
    std::u16string_view epithet;
};

// Each order and each setting, in each language. The noun is "N" throughout.
const std::vector<LayoutRow> kLayouts = {
    // German: everything before the noun, whatever the place the list gives.
    {Language::German, {{u"stinkende", {}, B}}, false, false, u"stinkende N"},
    {Language::German, {{u"stinkende", {}, A}}, false, false, u"stinkende N"},
    {Language::German, {{u"stinkende", u"widerlich", B}}, true, true, u"widerlich stinkende N"},
    {Language::German,
     {{u"stinkender", {}, B}, {u"fauler", {}, B}},
     true,
     false,
     u"stinkender, fauler N"},
    {Language::German,
     {{u"stinkender", {}, B}, {u"fauler", {}, B}},
     false,
     false,
     u"stinkender fauler N"},
    {Language::German,
     {{u"stinkender", {}, B}, {u"fauler", {}, B}},
     false,
     true,
     u"fauler stinkender N"},
    {Language::German,
     {{u"stinkender", {}, B}, {u"fauler", {}, B}},
     true,
     true,
     u"fauler, stinkender N"},
    {Language::German,
     {{u"fauler", {}, B}, {u"stinkender", {}, B}},
     true,
     true,
     u"fauler, stinkender N"},
    // French: one on each side, either order of drawing, no joiner and no comma.
    {Language::French, {{u"puant", {}, A}}, true, false, u"N puant"},
    {Language::French, {{u"sale", {}, B}}, true, false, u"sale N"},
    {Language::French, {{u"sale", {}, B}, {u"puant", {}, A}}, true, true, u"sale N puant"},
    {Language::French, {{u"puant", {}, A}, {u"sale", {}, B}}, false, false, u"sale N puant"},
    // An adverb takes its adjective after the noun, whatever its place.
    {Language::French, {{u"puant", u"atrocement", A}}, true, true, u"N atrocement puant"},
    {Language::French, {{u"sale", u"vraiment", B}}, false, false, u"N vraiment sale"},
    // Two after: " et " or a comma; length order.
    {Language::French,
     {{u"visqueux", {}, A}, {u"puant", {}, A}},
     false,
     false,
     u"N visqueux et puant"},
    {Language::French,
     {{u"visqueux", {}, A}, {u"puant", {}, A}},
     true,
     false,
     u"N visqueux, puant"},
    {Language::French,
     {{u"visqueux", {}, A}, {u"puant", {}, A}},
     false,
     true,
     u"N puant et visqueux"},
    {Language::French, {{u"visqueux", {}, A}, {u"puant", {}, A}}, true, true, u"N puant, visqueux"},
    // Two before: a space or a comma; length order.
    {Language::French, {{u"petit", {}, B}, {u"sale", {}, B}}, false, false, u"petit sale N"},
    {Language::French, {{u"petit", {}, B}, {u"sale", {}, B}}, true, false, u"petit, sale N"},
    {Language::French, {{u"petit", {}, B}, {u"sale", {}, B}}, false, true, u"sale petit N"},
    // Spanish: as French, joined by "y", which becomes "e" before an "i" sound.
    {Language::Spanish, {{u"apestoso", {}, A}}, false, false, u"N apestoso"},
    {Language::Spanish, {{u"maldito", {}, B}}, false, false, u"maldito N"},
    {Language::Spanish, {{u"maldito", {}, B}, {u"baboso", {}, A}}, true, true, u"maldito N baboso"},
    {Language::Spanish, {{u"apestoso", u"muy", A}}, false, false, u"N muy apestoso"},
    {Language::Spanish, {{u"maldito", u"muy", B}}, true, false, u"N muy maldito"},
    {Language::Spanish,
     {{u"apestoso", {}, A}, {u"baboso", {}, A}},
     false,
     false,
     u"N apestoso y baboso"},
    {Language::Spanish,
     {{u"apestoso", {}, A}, {u"baboso", {}, A}},
     true,
     false,
     u"N apestoso, baboso"},
    {Language::Spanish,
     {{u"apestoso", {}, A}, {u"baboso", {}, A}},
     false,
     true,
     u"N baboso y apestoso"},
    {Language::Spanish, {{u"maldito", {}, B}, {u"pobre", {}, B}}, false, true, u"pobre maldito N"},
    {Language::Spanish, {{u"maldito", {}, B}, {u"pobre", {}, B}}, true, false, u"maldito, pobre N"},
    {Language::Spanish,
     {{u"apestoso", {}, A}, {u"in\u00fatil", {}, A}},
     false,
     false,
     u"N apestoso e in\u00fatil"},
    {Language::Spanish,
     {{u"apestoso", {}, A}, {u"hip\u00f3crita", {}, A}},
     false,
     false,
     u"N apestoso e hip\u00f3crita"},
    {Language::Spanish,
     {{u"apestoso", {}, A}, {u"\u00edntimo", {}, A}},
     false,
     false,
     u"N apestoso e \u00edntimo"},
    {Language::Spanish,
     {{u"apestoso", {}, A}, {u"hiediondo", {}, A}},
     false,
     false,
     u"N apestoso y hiediondo"},
    {Language::Spanish,
     {{u"apestoso", {}, A}, {u"hiat\u00e9", {}, A}},
     false,
     false,
     u"N apestoso y hiat\u00e9"},
    {Language::Spanish,
     {{u"apestoso", {}, A}, {u"Hip\u00f3crita", {}, A}},
     false,
     false,
     u"N apestoso e Hip\u00f3crita"},
    {Language::Spanish,
     {{u"apestoso", {}, A}, {u"hosco", {}, A}},
     false,
     false,
     u"N apestoso y hosco"},
    // The joiner does not depend on the case of the next word.
    {Language::Spanish,
     {{u"APESTOSO", {}, A}, {u"HIER\u00c1TICO", {}, A}},
     false,
     false,
     u"N APESTOSO y HIER\u00c1TICO"},
    {Language::Spanish,
     {{u"APESTOSO", {}, A}, {u"HIATO", {}, A}},
     false,
     false,
     u"N APESTOSO y HIATO"},
    {Language::Spanish,
     {{u"APESTOSO", {}, A}, {u"HIP\u00d3CRITA", {}, A}},
     false,
     false,
     u"N APESTOSO e HIP\u00d3CRITA"},
    {Language::Spanish,
     {{u"apestoso", {}, A}, {u"\u00cdNTIMO", {}, A}},
     false,
     false,
     u"N apestoso e \u00cdNTIMO"},
    {Language::Spanish, {{u"apestoso", {}, A}, {u"hI", {}, A}}, false, false, u"N apestoso e hI"},
};

TEST(AgreeingLayout, PlacesAndJoinsAdjectivesAsTheLanguageDoes) {
    for (const LayoutRow &row : kLayouts) {
        SCOPED_TRACE(std::string(row.epithet.begin(), row.epithet.end()));
        EXPECT_EQ(
            LayOutAgreeingEpithet(row.language, u"N", row.adjectives, row.commas, row.lengthOrder),
            row.epithet);
    }
}

TEST(AgreeingLayout, ListsTheWordsInReadingOrder) {
    const std::vector<PlacedAdjective> adjectives = {{u"sale", {}, B}, {u"puant", u"tr\u00e8s", A}};
    std::vector<EpithetWord> words;
    const std::u16string epithet =
        LayOutAgreeingEpithet(Language::French, u"crapaud", adjectives, true, true, &words);
    EXPECT_EQ(epithet, u"sale crapaud tr\u00e8s puant");
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[0].text, u"sale");
    EXPECT_EQ(words[0].wordClass, WordClass::Adjective);
    EXPECT_EQ(words[1].text, u"crapaud");
    EXPECT_EQ(words[1].wordClass, WordClass::Noun);
    EXPECT_EQ(words[2].text, u"tr\u00e8s");
    EXPECT_EQ(words[2].wordClass, WordClass::Adverb);
    EXPECT_EQ(words[3].text, u"puant");
}

} // namespace
