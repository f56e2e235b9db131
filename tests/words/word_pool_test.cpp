#include "support/scripted_random.h"

#include "platform/xoshiro_random.h"
#include "words/word_pool.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

WordPool MakePool(std::initializer_list<const char16_t *> words) {
    WordPool pool;
    for (const char16_t *word : words)
        pool.append(word);
    return pool;
}

std::vector<std::u16string> WordsOf(const WordPool &pool) {
    std::vector<std::u16string> words;
    for (int k = 1; k <= pool.size(); ++k)
        words.emplace_back(pool.word(k));
    return words;
}

int DrawnCount(const WordPool &pool) {
    int count = 0;
    for (int k = 1; k <= pool.size(); ++k)
        count += pool.isDrawn(k);
    return count;
}

TEST(RandomIndex, CoversOneToNAndNeverLeavesIt) {
    const float belowOne = std::nextafter(1.0f, 0.0f);
    for (int n : {1, 2, 7, 1000}) {
        ScriptedRandom random{0.0f, belowOne};
        EXPECT_EQ(RandomIndex(random, n), 1) << n;
        EXPECT_EQ(RandomIndex(random, n), n) << n;
    }
    // floor(r * n) in exact arithmetic: 0.7f * 10 is 6.99999988, which single precision
    // rounds up to 7.
    ScriptedRandom seven{0.7f};
    EXPECT_EQ(RandomIndex(seven, 10), 7);
    // Pools so large that the product is no longer exact.
    for (int n : {16777217, 16777219, 100000007, 1 << 30, INT_MAX}) {
        ScriptedRandom random{belowOne};
        EXPECT_LE(RandomIndex(random, n), n) << n;
    }
}

TEST(XoshiroRandom, StaysInUnitIntervalAndRepeatsForASeed) {
    XoshiroRandom a(42), b(42);
    for (int i = 0; i < 100000; ++i) {
        const float r = a.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ASSERT_EQ(r, b.next());
    }
}

// Fractions of 24 bits, which a float holds exactly: more bits could round up to 1, and an index
// drawn from 1 would lie past the pool's end. Two starts a moment apart draw differently.
TEST(XoshiroRandom, DrawsTwentyFourBitFractionsAndDiffersBetweenStarts) {
    XoshiroRandom random(7);
    for (int i = 0; i < 10000; ++i) {
        const float scaled = random.next() * 0x1p24f;
        ASSERT_EQ(scaled, std::floor(scaled));
    }
    XoshiroRandom first, second;
    EXPECT_NE(first.next(), second.next());
}

TEST(XoshiroRandom, FillsEveryTenthOfTheIntervalAlikeAndDiffersBySeed) {
    constexpr int kDraws = 100000;
    XoshiroRandom random(42), other(43);
    std::array<int, 10> tenths{};
    int sameAsOther = 0;
    for (int i = 0; i < kDraws; ++i) {
        const float r = random.next();
        sameAsOther += r == other.next();
        ++tenths[static_cast<size_t>(r * 10)];
    }
    for (int count : tenths) // within five standard deviations of a tenth
        EXPECT_NEAR(count, kDraws / 10, 5 * 95);
    EXPECT_LT(sameAsOther, 10);
}

TEST(ShuffleWords, RedrawsThePartnerUntilItDiffersFromThePosition) {
    WordPool pool = MakePool({u"a", u"b", u"c"});
    // i=1 draws 1 then 3; i=2 draws 2, 2, then 1; i=3 draws 2.
    ScriptedRandom random{Pick(1, 3), Pick(3, 3), Pick(2, 3), Pick(2, 3), Pick(1, 3), Pick(2, 3)};
    ShuffleWords(pool, random);
    // c b a -> b c a -> b a c
    EXPECT_EQ(WordsOf(pool), (std::vector<std::u16string>{u"b", u"a", u"c"}));
    EXPECT_EQ(random.remaining(), 0u);
}

TEST(ShuffleWords, TwoEntriesAlwaysComeBackInOrderAndOddCountsNever) {
    XoshiroRandom random(7);
    for (int trial = 0; trial < 1000; ++trial) {
        WordPool two = MakePool({u"a", u"b"});
        ShuffleWords(two, random);
        ASSERT_EQ(WordsOf(two), (std::vector<std::u16string>{u"a", u"b"}));

        WordPool three = MakePool({u"a", u"b", u"c"});
        ShuffleWords(three, random);
        ASSERT_NE(WordsOf(three), (std::vector<std::u16string>{u"a", u"b", u"c"}));
    }
}

TEST(ShuffleWords, FlagsTravelWithTheirWords) {
    WordPool pool = MakePool({u"a", u"b", u"c", u"d", u"e"});
    pool.markDrawn(2);
    pool.markDrawn(5);
    XoshiroRandom random(3);
    ShuffleWords(pool, random);
    std::set<std::u16string> marked;
    for (int k = 1; k <= pool.size(); ++k)
        if (pool.isDrawn(k))
            marked.emplace(pool.word(k));
    EXPECT_EQ(marked, (std::set<std::u16string>{u"b", u"e"}));
}

TEST(ShuffleWords, LeavesPoolsOfFewerThanTwoAloneWithoutDrawing) {
    ScriptedRandom random{};
    WordPool none;
    WordPool one = MakePool({u"lonely"});
    ShuffleWords(none, random);
    ShuffleWords(one, random);
    EXPECT_EQ(WordsOf(one), (std::vector<std::u16string>{u"lonely"}));
}

TEST(DrawWord, MarksAndReturnsTheFirstFreeEntryItProbes) {
    WordPool pool = MakePool({u"a", u"b", u"c"});
    pool.markDrawn(2);
    ScriptedRandom random{Pick(2, 3), Pick(3, 3)};
    EXPECT_EQ(DrawWord(pool, random), 3);
    EXPECT_TRUE(pool.isDrawn(3));
    EXPECT_EQ(DrawnCount(pool), 2);
}

TEST(DrawWord, StartsNewPassWhenEveryProbeMisses) {
    WordPool pool = MakePool({u"a", u"b", u"c"});
    pool.markDrawn(1);
    pool.markDrawn(3);
    // Three probes miss entry 2, though it is free; then the shuffle (c b a -> b c a -> b a c,
    // with one redraw) and one more number for the pick, which may land anywhere.
    ScriptedRandom random{Pick(1, 3), Pick(3, 3), Pick(1, 3),             // probes
                          Pick(3, 3), Pick(1, 3), Pick(3, 3), Pick(2, 3), // shuffle
                          Pick(2, 3)};                                    // pick
    EXPECT_EQ(DrawWord(pool, random), 2);
    EXPECT_EQ(WordsOf(pool), (std::vector<std::u16string>{u"b", u"a", u"c"}));
    EXPECT_EQ(DrawnCount(pool), 1);
    EXPECT_TRUE(pool.isDrawn(2));
    EXPECT_EQ(random.remaining(), 0u);
}

TEST(DrawWord, OnePoolEntryIsDrawnAgainAndAgain) {
    WordPool pool = MakePool({u"lonely"});
    ScriptedRandom random{Pick(1, 1), Pick(1, 1), Pick(1, 1)};
    EXPECT_EQ(DrawWord(pool, random), 1);
    EXPECT_EQ(DrawWord(pool, random), 1); // a miss, a new pass, a pick
    EXPECT_TRUE(pool.isDrawn(1));
    EXPECT_EQ(random.remaining(), 0u); // the pass draws nothing to shuffle a single entry
}

TEST(DrawWord, PutBackEntryCanBeDrawnAgainInTheSamePass) {
    WordPool pool = MakePool({u"a", u"b", u"c"});
    ScriptedRandom random{Pick(2, 3), Pick(2, 3)};
    ASSERT_EQ(DrawWord(pool, random), 2);
    pool.putBack(2);
    EXPECT_EQ(DrawWord(pool, random), 2);
}

TEST(DrawWord, NeverHandsOutAnEntryTwiceWithinAPass) {
    WordPool pool;
    for (int i = 0; i < 50; ++i)
        pool.append(std::u16string(1, static_cast<char16_t>(u'A' + i)));
    XoshiroRandom random(11);
    std::set<std::u16string> seen;
    for (int draw = 0; draw < 10000; ++draw) {
        const int k = DrawWord(pool, random);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, pool.size());
        if (DrawnCount(pool) == 1)
            seen.clear(); // a new pass began
        ASSERT_TRUE(seen.emplace(pool.word(k)).second) << "drawn twice in one pass";
    }
}

// Loading a list of millions may be asked to stop while the prefixes are numbered: the pool is
// then left as it was, and numbered whole later.
TEST(WordPool, NumbersNoPrefixWhenAskedToStopAndEveryOneLater) {
    WordPool pool;
    pool.append(u"vile");
    pool.append(u"rank");
    pool.numberPrefixes([] { return true; });
    EXPECT_EQ(pool.prefixes().size(), 0u);
    pool.numberPrefixes([] { return false; });
    EXPECT_EQ(pool.prefixes().size(), 2u);
}

} // namespace
