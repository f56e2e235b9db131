#include "support/scripted_random.h"

#include "compose/epithet.h"
#include "compose/prefix_clashes.h"
#include "platform/xoshiro_random.h"
#include "words/word_list.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using WordsList = std::initializer_list<const char16_t *>;

// Pools in the order given, unshuffled, so scripts can pick words by position.
WordLists MakeLists(WordsList adverbs, WordsList adjectives, WordsList nouns, float adverbShare) {
    WordLists lists;
    for (const char16_t *word : adverbs)
        lists.AdverbPool.append(word);
    for (const char16_t *word : adjectives)
        lists.AdjectivePool.append(word);
    for (const char16_t *word : nouns)
        lists.NounPool.append(word);
    lists.AdverbShare = adverbShare;
    return lists;
}

constexpr float kTakeAdverb = 0.1f;    // below the share of 0.5 used below
constexpr float kTakeAdjective = 0.9f; // at or above any share used below

std::u16string Compose(WordLists &lists, const EpithetStyle &style, ScriptedRandom &random) {
    std::u16string epithet = ComposeEpithet(lists, style, random);
    EXPECT_EQ(random.remaining(), 0u) << "a script number was left unused";
    return epithet;
}

TEST(PrefixClash, LooksForTheFirstFiveCharactersOrTheWholeShorterWord) {
    EXPECT_TRUE(PrefixClash(u"stinky", u"stinkingly"));
    EXPECT_TRUE(PrefixClash(u"oaf", u"loafing "));
    EXPECT_FALSE(PrefixClash(u"oaf", u"rancid "));
    EXPECT_FALSE(PrefixClash(u"Stinky", u"stinkingly")); // case counts
    EXPECT_FALSE(PrefixClash(u"oaf", u""));
}

TEST(ComposeEpithet, SingleModifierIsOneAdjectiveAndANoun) {
    WordLists lists = MakeLists({u"vilely"}, {u"rancid", u"necrotic"}, {u"toad"}, 0.5f);
    ScriptedRandom random{Pick(2, 2), Pick(1, 1)}; // no number for the adverb choice
    EXPECT_EQ(Compose(lists, {.single = true}, random), u"necrotic toad");
}

TEST(ComposeEpithet, CommaGoesBetweenTwoAdjectivesOnlyWhenAsked) {
    WordLists lists = MakeLists({}, {u"necrotic", u"rancid"}, {u"toad"}, 0);
    ScriptedRandom withCommas{kTakeAdjective, Pick(1, 2), Pick(2, 2), Pick(1, 1)};
    EXPECT_EQ(Compose(lists, {.lengthOrder = false}, withCommas), u"necrotic, rancid toad");

    lists = MakeLists({}, {u"necrotic", u"rancid"}, {u"toad"}, 0);
    ScriptedRandom without{kTakeAdjective, Pick(1, 2), Pick(2, 2), Pick(1, 1)};
    EXPECT_EQ(Compose(lists, {.commas = false, .lengthOrder = false}, without),
              u"necrotic rancid toad");
}

TEST(ComposeEpithet, LengthOrderPutsTheShorterAdjectiveFirst) {
    const auto compose = [](int first, int second, EpithetStyle settings) {
        WordLists lists = MakeLists({}, {u"splendiferous", u"verbose"}, {u"generator"}, 0);
        ScriptedRandom random{kTakeAdjective, Pick(first, 2), Pick(second, 2), Pick(1, 1)};
        return Compose(lists, settings, random);
    };
    EXPECT_EQ(compose(1, 2, {}), u"verbose, splendiferous generator");
    EXPECT_EQ(compose(1, 2, {.commas = false}), u"verbose splendiferous generator");
    EXPECT_EQ(compose(2, 1, {}), u"verbose, splendiferous generator");
    EXPECT_EQ(compose(1, 2, {.lengthOrder = false}), u"splendiferous, verbose generator");

    // Equal lengths keep the order they were drawn in.
    WordLists lists = MakeLists({}, {u"vile", u"rank"}, {u"toad"}, 0);
    ScriptedRandom random{kTakeAdjective, Pick(2, 2), Pick(1, 2), Pick(1, 1)};
    EXPECT_EQ(Compose(lists, {}, random), u"rank, vile toad");
}

TEST(ComposeEpithet, AdverbFirstIgnoresCommasAndLengthOrder) {
    WordLists lists = MakeLists({u"abominably"}, {u"vile"}, {u"toad"}, 0.5f);
    ScriptedRandom random{kTakeAdverb, Pick(1, 1), Pick(1, 1), Pick(1, 1)};
    EXPECT_EQ(Compose(lists, {}, random), u"abominably vile toad");
}

TEST(ComposeEpithet, AnAdverbOpensOnlyWhenTheNumberIsBelowItsShare) {
    WordLists lists = MakeLists({u"abominably"}, {u"vile", u"rank"}, {u"toad"}, 0.5f);
    ScriptedRandom random{0.5f, Pick(1, 2), Pick(2, 2), Pick(1, 1)};
    EXPECT_EQ(Compose(lists, {}, random), u"vile, rank toad");
}

TEST(ComposeEpithet, PutsBackAnAdjectiveThatEchoesTheAdverb) {
    WordLists lists = MakeLists({u"stinkingly"}, {u"stinky", u"rancid"}, {u"oaf"}, 0.5f);
    ScriptedRandom random{kTakeAdverb, Pick(1, 1), Pick(1, 2), Pick(1, 2), Pick(2, 2), Pick(1, 1)};
    EXPECT_EQ(Compose(lists, {}, random), u"stinkingly rancid oaf");
    EXPECT_FALSE(lists.AdjectivePool.isDrawn(1)); // stinky was put back, not used up
}

TEST(ComposeEpithet, SearchesShortNounsWholeInTheHead) {
    WordLists lists = MakeLists({}, {u"loafing", u"rancid"}, {u"oaf", u"lout"}, 0);
    ScriptedRandom afterLoafing{Pick(1, 2), Pick(1, 2), Pick(2, 2)};
    EXPECT_EQ(Compose(lists, {.single = true}, afterLoafing), u"loafing lout");

    lists = MakeLists({}, {u"loafing", u"rancid"}, {u"oaf", u"lout"}, 0);
    ScriptedRandom afterRancid{Pick(2, 2), Pick(1, 2)};
    EXPECT_EQ(Compose(lists, {.single = true}, afterRancid), u"rancid oaf");
}

TEST(ComposeEpithet, TestsTheNounAgainstBothModifiers) {
    const auto compose = [](int first, int second) {
        WordLists lists =
            MakeLists({}, {u"necrotic", u"incontinent"}, {u"incontinence", u"pustule"}, 0);
        ScriptedRandom random{kTakeAdjective, Pick(first, 2), Pick(second, 2), Pick(1, 2),
                              Pick(2, 2)};
        return Compose(lists, {.lengthOrder = false}, random);
    };
    EXPECT_EQ(compose(1, 2), u"necrotic, incontinent pustule"); // echoes the second
    EXPECT_EQ(compose(2, 1), u"incontinent, necrotic pustule"); // echoes the first
}

TEST(ComposeEpithet, SecondAdjectiveNeverRepeatsTheFirst) {
    WordLists lists = MakeLists({}, {u"vile", u"rank"}, {u"toad"}, 0);
    // The second draw lands on vile again, which is marked: it probes on to rank.
    ScriptedRandom random{kTakeAdjective, Pick(1, 2), Pick(1, 2), Pick(2, 2), Pick(1, 1)};
    EXPECT_EQ(Compose(lists, {.lengthOrder = false}, random), u"vile, rank toad");
}

TEST(ComposeEpithet, TestsTheNounAcrossTheCommaAsIfItWereAPlainSpace) {
    const struct {
        const char *name;
        std::vector<std::u16string> adjectives, nouns;
        std::u16string echoing; // an epithet it must never make
        EpithetStyle style;
    } rows[] = {
        {"a noun that begins with the first adjective",
         {u"vile", u"rank"},
         {u"vile toad", u"wart"},
         u"vile, rank vile toad",
         {}},
        {"a noun that spans the gap",
         {u"bile", u"rank"},
         {u"le ra", u"wart"},
         u"bile, rank le ra",
         {}},
        {"a short second adjective and the space after it",
         {u"vile", u"ok"},
         {u"e ok toad", u"wart"},
         u"vile, ok e ok toad",
         {.lengthOrder = false}},
    };
    for (const auto &row : rows) {
        WordLists lists;
        for (const std::u16string &adjective : row.adjectives)
            lists.AdjectivePool.append(adjective);
        for (const std::u16string &noun : row.nouns)
            lists.NounPool.append(noun);
        XoshiroRandom seeded(3);
        for (int i = 0; i < 60; ++i)
            EXPECT_NE(ComposeEpithet(lists, row.style, seeded), row.echoing) << row.name;
    }
}

// Lists on which the plain retry loops would never end.

TEST(ComposeEpithet, OneAdjectiveWithTwoModifiersGivesOneModifier) {
    WordLists lists = MakeLists({}, {u"necrotic"}, {u"pustule"}, 0);
    // First modifier; then a miss, a new pass and a pick of necrotic again, which clashes.
    ScriptedRandom random{kTakeAdjective, Pick(1, 1), Pick(1, 1), Pick(1, 1), Pick(1, 1)};
    EXPECT_EQ(Compose(lists, {}, random), u"necrotic pustule");
}

TEST(ComposeEpithet, AdverbThatEchoesEveryAdjectiveIsLeftOut) {
    WordLists lists = MakeLists({u"stinkingly"}, {u"stinky", u"stinker"}, {u"oaf"}, 1.0f);
    XoshiroRandom seeded(1);
    const std::u16string epithet = ComposeEpithet(lists, {false, true, true}, seeded);
    EXPECT_TRUE(epithet == u"stinky oaf" || epithet == u"stinker oaf") << epithet.size();
}

TEST(ComposeEpithet, NounThatClashesWithEveryHeadIsKept) {
    WordLists lists = MakeLists({}, {u"pustular"}, {u"pustule"}, 0);
    ScriptedRandom random{Pick(1, 1), Pick(1, 1)};
    EXPECT_EQ(Compose(lists, {.single = true}, random), u"pustular pustule");
}

TEST(ComposeEpithet, FindsTheOneWordThatPassesAmongManyThatClash) {
    WordLists lists =
        MakeLists({u"stinkingly"}, {u"stinky", u"stinker", u"stinking", u"stinko", u"rancid"},
                  {u"oaf"}, 1.0f);
    XoshiroRandom seeded(2);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(ComposeEpithet(lists, {false, true, true}, seeded), u"stinkingly rancid oaf");
}

TEST(PrefixClashes, AnswersAsSearchingWouldForEveryEntryAndAgainAfterANewPass) {
    // Words are five-digit numbers; the head holds every seventh, so those and only those clash.
    const auto number = [](int i) {
        std::u16string digits(5, u'0');
        for (int at = 4; i > 0; --at, i /= 10)
            digits[at] = static_cast<char16_t>(u'0' + i % 10);
        return digits;
    };
    WordPool pool;
    std::u16string head;
    for (int i = 0; i < 5000; ++i) {
        pool.append(number(i));
        if (i % 7 == 0)
            head += number(i) + u' ';
    }
    pool.numberPrefixes();
    const EchoIndex none;
    const PrefixClashes test(pool, head, {head}, none, EchoIndex::Nouns);
    XoshiroRandom random(1);
    for (int pass = 0; pass < 3; ++pass) {
        for (int k = 1; k <= pool.size(); ++k)
            ASSERT_EQ(test.clashes(k), PrefixClash(pool.word(k), head)) << pass << ' ' << k;
        StartNewPass(pool, random); // which entry holds which word changes
    }
}

} // namespace
