#include "compose/epithet.h"
#include "compose/epithet_counts.h"
#include "compose/epithet_within.h"
#include "platform/byte_source.h"
#include "platform/xoshiro_random.h"
#include "words/word_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

WordLists Load(std::string_view list) {
    WordLists lists;
    XoshiroRandom random(1);
    EXPECT_EQ(LoadWordList(lists, MemoryBytes(list), random), LoadResult::Loaded) << list;
    return lists;
}

// What the composer made in many tries: every epithet, the shortest of each shape, one whose
// noun echoes the words before it, and one whose modifiers echo each other.
struct Made {
    std::set<std::u16string> epithets;
    ShortestEpithets shortest;
    std::optional<std::u16string> repeating;
    std::optional<std::u16string> echoing;
};

void Shorten(std::optional<uint64_t> &shortest, uint64_t length) {
    if (!shortest || length < *shortest)
        shortest = length;
}

Made Enumerate(WordLists &lists, const EpithetStyle &style) {
    Made made;
    XoshiroRandom random(7);
    std::vector<EpithetWord> words;
    for (int i = 0; i < 4000; ++i) {
        const std::u16string epithet = ComposeEpithet(lists, style, random, &words);
        made.epithets.insert(epithet);
        const bool adverb = std::any_of(words.begin(), words.end(), [](const EpithetWord &word) {
            return word.wordClass == WordClass::Adverb;
        });
        if (words.size() == 2)
            Shorten(made.shortest.oneAdjective, epithet.size());
        else if (adverb)
            Shorten(made.shortest.adverbFirst, epithet.size());
        else
            Shorten(made.shortest.twoAdjectives, epithet.size());
        // The head as written and with a plain space for a comma, as the composer tests it.
        const std::u16string_view noun = words.back().text;
        const std::u16string_view head =
            std::u16string_view(epithet).substr(0, epithet.size() - noun.size());
        std::u16string plain;
        for (const EpithetWord &word : words)
            if (word.wordClass != WordClass::Noun)
                plain += std::u16string(word.text) + u' ';
        if (PrefixClash(noun, head) || PrefixClash(noun, plain))
            made.repeating = epithet;
        if (words.size() == 3 && (PrefixClash(words[0].text, words[1].text) ||
                                  PrefixClash(words[1].text, words[0].text)))
            made.echoing = epithet;
    }
    return made;
}

constexpr EpithetStyle kFirst{}, kSingle{.single = true}, kNoCommas{.commas = false},
    kNoOrder{.lengthOrder = false};

struct CountRow {
    const char *list;
    EpithetStyle style;
    double count;
    bool exact; // no word echoes another
    ShortestEpithets shortest;
    bool repeats; // some epithet repeats a word, since every noun echoes its head
    bool echoes;  // some epithet's modifiers echo each other
};

const CountRow kCountRows[] = {
    {"J vile\nJ rank\nN toad\n", kFirst, 2, true, {{}, {}, {15}}, false, false},
    {"J vile\nJ rank\nN toad\n", kSingle, 2, true, {{9}, {}, {}}, false, false},
    {"J vile\nJ rancid\nN toad\n", kFirst, 1, true, {{}, {}, {17}}, false, false},
    {"J vile\nJ rancid\nN toad\n", kNoOrder, 2, true, {{}, {}, {17}}, false, false},
    {"J vile\nJ rancid\nN toad\n", kNoCommas, 1, true, {{}, {}, {16}}, false, false},
    {"J vile\nN toad\nN oaf\n", kFirst, 2, true, {{8}, {}, {}}, false, false},
    {"J vile\nJ vile\nN toad\n", kFirst, 1, true, {{9}, {}, {}}, false, false},
    {"V very\nJ vile\nJ rank\nN toad\nN oaf\n", kFirst, 8, true, {{}, {13}, {14}}, false, false},
    {"V very\nJ vile\nN toad\n", kFirst, 2, true, {{9}, {14}, {}}, false, false},
    {"V very\nJ vile\nN toad\n", kSingle, 1, true, {{9}, {}, {}}, false, false},
    // A one-adjective head whenever no second adjective fits.
    {"J vile\nJ viler\nN toad\n", kFirst, 3, false, {{9}, {}, {16}}, false, true},
    {"V stinkingly\nJ stinky\nJ rank\nN oaf\n", kFirst, 3, false, {{}, {19}, {16}}, false, false},
    // Every epithet holds a word twice where the one noun begins with the one adjective.
    {"J vile\nN vile toad\n", kFirst, 1, false, {{14}, {}, {}}, true, false},
    {"J vile\nN vile toad\n", kSingle, 1, false, {{14}, {}, {}}, true, false},
    // Two nouns, each echoing one of the adjectives, the first of them past a comma.
    {"J vile\nJ rank\nN vile toad\nN rank wart\n", kFirst, 4, false, {{}, {}, {20}}, true, false},
    {"J vile\nJ rank\nN vile toad\nN rank wart\n", kSingle, 4, false, {{14}, {}, {}}, false, false},
    {"J vile\nJ rank\nN vile toad\nN wart\n", kFirst, 4, false, {{}, {}, {15}}, false, false},
    // Modifiers of which one holds the start of the other, which the composer tests one way only.
    {"J vile\nJ vile and rank\nN toad\n", kFirst, 3, false, {{9}, {}, {24}}, false, true},
    {"J vile\nJ vile and rank\nN toad\n", kNoOrder, 4, false, {{9}, {}, {24}}, false, true},
    {"J vile\nJ vile and rank\nN toad\n", kSingle, 2, true, {{9}, {}, {}}, false, false},
    {"V gloriously\nJ vainglorious\nN toad\n", kFirst, 2, false, {{17}, {28}, {}}, false, true},
};

TEST(EpithetCounts, AgreeWithWhatTheComposerMakesOnSmallLists) {
    for (const CountRow &row : kCountRows) {
        SCOPED_TRACE(row.list);
        SCOPED_TRACE(testing::Message()
                     << row.style.single << row.style.commas << row.style.lengthOrder);
        WordLists lists = Load(row.list);
        const DifferentWords different = FindDifferentWords(lists);
        const double count = CountEpithets(lists, different, row.style);
        const ShortestEpithets shortest = FindShortestEpithets(lists, row.style);
        const std::optional<std::u16string> repeating =
            EpithetRepeatingAWord(lists, different, row.style);
        const std::optional<std::u16string> echoing =
            EpithetOfEchoingModifiers(lists, different, row.style);
        EXPECT_EQ(count, row.count);
        EXPECT_EQ(shortest.oneAdjective, row.shortest.oneAdjective);
        EXPECT_EQ(shortest.adverbFirst, row.shortest.adverbFirst);
        EXPECT_EQ(shortest.twoAdjectives, row.shortest.twoAdjectives);
        EXPECT_EQ(repeating.has_value(), row.repeats);
        EXPECT_EQ(echoing.has_value(), row.echoes);

        const Made made = Enumerate(lists, row.style);
        if (row.exact) {
            EXPECT_EQ(count, static_cast<double>(made.epithets.size()));
            EXPECT_EQ(shortest.oneAdjective, made.shortest.oneAdjective);
            EXPECT_EQ(shortest.adverbFirst, made.shortest.adverbFirst);
            EXPECT_EQ(shortest.twoAdjectives, made.shortest.twoAdjectives);
        } else {
            EXPECT_GE(count, static_cast<double>(made.epithets.size()));
            EXPECT_LE(shortest.fewest(), made.shortest.fewest());
        }
        EXPECT_EQ(repeating.has_value(), made.repeating.has_value());
        if (repeating)
            EXPECT_TRUE(made.epithets.contains(*repeating)) << made.epithets.size();
        EXPECT_EQ(echoing.has_value(), made.echoing.has_value());
        if (echoing)
            EXPECT_TRUE(made.epithets.contains(*echoing)) << made.epithets.size();
    }
}

// Lists whose adjectives agree with the noun, on either side of it (one adjective on both), so
// that the shortest epithet depends on the noun's gender, the sides and what joins two
// adjectives.
const char *const kAgreeingLists[] = {
    "@language fr\nNm pou\nNm \u00e2ne\nJb vil\nJa nul/nulle\nJa mit\u00e9\n",
    "@language fr\nNf vache\nNm rat\nJa grand\nJa vert\nJb gros\nV tr\u00e8s\n",
    "@language fr\nNf pie\nJa sale\nJa laid/laide\nJb grand\nJb sot/sotte\n",
    "@language es\nNm sapo\nNf rata\nJa feo\nJa in\u00fatil\nJb mal/mala\nV muy\n",
    "@language es\nNf rata\nJa idiota\nJa fea\nJb gran\n",
    "@language fr\nNm rat\nJa sale\nJa laid\n",
    "@language es\nNm sapo\nJa feo\nJa in\u00fatil\n",
    "@language es\nNm sapo\nJb mal/mala\nJa mal/mala\nJa fe\u00edsimo\nJb grandote\n",
    "@language de\nNm Hund\nNf Kuh\nNn Schwein\nJb faul\nJb alt\nV sehr\n",
};

TEST(EpithetCounts, ShortestIsWhatTheComposerMakesInEveryLanguage) {
    for (const char *list : kAgreeingLists) {
        for (const EpithetStyle &style : {kFirst, kSingle, kNoCommas, kNoOrder}) {
            SCOPED_TRACE(list);
            SCOPED_TRACE(testing::Message() << style.single << style.commas << style.lengthOrder);
            WordLists lists = Load(list);
            const ShortestEpithets shortest = FindShortestEpithets(lists, style);
            const Made made = Enumerate(lists, style);
            EXPECT_EQ(shortest.oneAdjective, made.shortest.oneAdjective);
            EXPECT_EQ(shortest.adverbFirst, made.shortest.adverbFirst);
            EXPECT_EQ(shortest.twoAdjectives, made.shortest.twoAdjectives);
        }
    }
}

TEST(EpithetCounts, CountsListsOfThousandsWithoutOverflow) {
    std::string list;
    for (int i = 1000; i < 4000; ++i) {
        const std::string number = std::to_string(i);
        list += "V v" + number + "\nJ j" + number + "\nN n" + number + "\n";
    }
    WordLists lists = Load(list);
    const DifferentWords different = FindDifferentWords(lists);
    const double words = 3000;
    // Adverb heads, then adjective pairs of one length in either order.
    EXPECT_EQ(CountEpithets(lists, different, kFirst),
              (words * words + words * (words - 1)) * words);
    EXPECT_EQ(CountEpithets(lists, different, kNoOrder), CountEpithets(lists, different, kFirst));
    EXPECT_EQ(CountEpithets(lists, different, kSingle), words * words);
}

TEST(EpithetCounts, ShortestIsNoneWithoutAdjectivesOrNouns) {
    WordLists lists;
    lists.AdjectivePool.append(u"vile");
    EXPECT_EQ(FindShortestEpithets(lists, kFirst).fewest(), std::nullopt);
    const DifferentWords different = FindDifferentWords(lists);
    EXPECT_EQ(CountEpithets(lists, different, kFirst), 0);
    EXPECT_EQ(EpithetRepeatingAWord(lists, different, kFirst), std::nullopt);
}

TEST(ComposeWithin, GivesUpOnlyAfterMissesInARow) {
    WordLists lists = Load("J a\nJ bbbbbbbbbb\nN x\n");
    XoshiroRandom random(3);
    int made = 0;
    // Half the epithets fit, so two misses in a row end only a few searches.
    for (int i = 0; i < 200; ++i)
        made +=
            ComposeWithin(lists, kSingle, 3, 2, random, nullptr, [] { return true; }).has_value();
    EXPECT_GT(made, 100);
}

TEST(ComposeWithin, StopsWhenAskedBeforeATry) {
    WordLists lists = Load("J a\nN x\n");
    XoshiroRandom random(3);
    EXPECT_EQ(ComposeWithin(lists, kSingle, 3, 5, random, nullptr, [] { return false; }),
              std::nullopt);
    EXPECT_EQ(ComposeWithin(lists, kSingle, 3, 5, random, nullptr, [] { return true; }), u"a x");
    EXPECT_EQ(ComposeWithin(lists, kSingle, 2, 5, random, nullptr, [] { return true; }),
              std::nullopt);
}

// On a list of millions the search takes seconds, so it gives up once asked to stop.
TEST(EpithetCounts, FindsNoEchoingModifiersOnceAskedToStop) {
    WordLists lists = Load("J vile\nJ vile and rank\nN toad\n");
    const DifferentWords different = FindDifferentWords(lists);
    EXPECT_TRUE(EpithetOfEchoingModifiers(lists, different, kFirst, [] { return false; }));
    EXPECT_EQ(EpithetOfEchoingModifiers(lists, different, kFirst, [] { return true; }),
              std::nullopt);
}

} // namespace
