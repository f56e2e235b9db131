#include "reference_composer.h"

#include "compose/counting_random.h"
#include "compose/epithet.h"
#include "platform/xoshiro_random.h"
#include "words/word_list.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

namespace {

// Passes on another source's numbers, as many as allowed and no more.
class LimitedRandom final : public RandomSource {
public:
    LimitedRandom(RandomSource &inner, long allowed) : inner_(inner), allowed_(allowed) {}
    void seedFromClock() override {}
    float next() override {
        if (used == allowed_)
            throw std::out_of_range("more numbers than the real composer drew");
        ++used;
        return inner_.next();
    }
    long used = 0;

private:
    RandomSource &inner_;
    long allowed_;
};

struct Tally {
    long makes = 0;     // that the reference could finish
    long differing = 0; // where the real composer's guard stepped in
};

// Makes epithets with the real composer and, from the same pools and numbers, with the
// reference; counts the Makes whose epithet or count of numbers differ.
void Compare(WordLists &lists, int makes, unsigned seed, Tally &tally) {
    XoshiroRandom random(seed);
    for (int make = 0; make < makes; ++make) {
        const bool single = make % 5 == 4, commas = make & 1, lengthOrder = make & 2;
        reference::Lists copy = reference::CopyOf(lists);
        XoshiroRandom sameNumbers = random;
        CountingRandom counting(random);
        const std::u16string epithet =
            ComposeEpithet(lists, {single, commas, lengthOrder}, counting);

        LimitedRandom limited(sameNumbers, counting.count);
        bool same = false;
        try {
            same = reference::Compose(copy, single, commas, lengthOrder, limited) == epithet &&
                   limited.used == counting.count;
        } catch (const std::out_of_range &) {
        } catch (const reference::NeverEnds &) {
            continue; // no word can pass: the composer has to leave the reference here
        }
        ++tally.makes;
        if (!same) {
            ++tally.differing;
            continue;
        }
        // Where the epithets agree, so do the pools, order and flags.
        const reference::Lists after = reference::CopyOf(lists);
        ASSERT_EQ(after.adjectives.words, copy.adjectives.words);
        ASSERT_EQ(after.adjectives.drawn, copy.adjectives.drawn);
        ASSERT_EQ(after.nouns.words, copy.nouns.words);
        ASSERT_EQ(after.nouns.drawn, copy.nouns.drawn);
    }
}

// A small list of short words over a few letters, so that words clash often.
WordLists SmallClashingList(std::mt19937 &shape) {
    const auto word = [&shape] {
        std::u16string text;
        for (int length = 1 + shape() % 6; length > 0; --length)
            text += static_cast<char16_t>(u'a' + shape() % 3);
        return text;
    };
    WordLists lists;
    for (int i = shape() % 4; i > 0; --i)
        lists.AdverbPool.append(word());
    for (int i = 1 + shape() % 6; i > 0; --i)
        lists.AdjectivePool.append(word());
    for (int i = 1 + shape() % 6; i > 0; --i)
        lists.NounPool.append(word());
    const int modifiers = lists.AdverbCount() + lists.AdjectiveCount();
    lists.AdverbShare = static_cast<float>(lists.AdverbCount()) / static_cast<float>(modifiers);
    return lists;
}

// Modifiers long enough for the echo index, and short words over the same letters, some of
// which occur in them and some not.
WordLists ListWithLongWords(std::mt19937 &shape, bool indexed = true) {
    const auto word = [&shape](size_t length) {
        std::u16string text;
        while (text.size() < length)
            text += static_cast<char16_t>(u'a' + shape() % 12);
        return text;
    };
    WordLists lists;
    lists.AdverbPool.append(word(EchoIndex::kLongWord + shape() % 50));
    for (int i = 0; i < 3; ++i)
        lists.AdjectivePool.append(word(i == 0 ? EchoIndex::kLongWord : 2 + shape() % 5));
    for (int i = 0; i < 40; ++i)
        lists.NounPool.append(word(1 + shape() % 6));
    // Nouns that echo a head only across the edges of its long words.
    const std::u16string_view adverb = lists.AdverbPool.word(1),
                              adjective = lists.AdjectivePool.word(1);
    for (const std::u16string &edge :
         {std::u16string(adverb.substr(adverb.size() - 2)) + u" " +
              std::u16string(adjective.substr(0, 2)),
          std::u16string(adjective.substr(adjective.size() - 4)) + u" ",
          std::u16string(adjective.substr(adjective.size() - 3)) + u", "})
        lists.NounPool.append(edge);
    lists.AdverbShare = 0.25f;
    if (indexed)
        lists.Echoes.build(lists);
    return lists;
}

TEST(Differential, ComposerDrawsAsTheReferenceSaveWhereItsGuardStepsIn) {
    Tally small;
    std::mt19937 shape(11);
    for (unsigned list = 0; list < 2000; ++list) {
        WordLists lists = SmallClashingList(shape);
        Compare(lists, 50, list, small);
    }
    Tally indexed;
    for (unsigned list = 0; list < 100; ++list) {
        WordLists lists = ListWithLongWords(shape);
        Compare(lists, 20, list, indexed);
    }
    Tally full;
    WordLists lists;
    XoshiroRandom loading(1);
    ASSERT_EQ(LoadWordList(lists, VILIFEX_DATA_DIR, loading), LoadResult::Loaded);
    Compare(lists, 100000, 7, full);

    std::printf("differing: %ld of %ld on small lists, %ld of %ld on lists with long words, "
                "%ld of %ld on the default list\n",
                small.differing, small.makes, indexed.differing, indexed.makes, full.differing,
                full.makes);
    EXPECT_GE(indexed.makes, 1000);
    EXPECT_LE(indexed.differing * 100, indexed.makes);
    EXPECT_LE(small.differing * 100, small.makes); // under 1 in 100
    EXPECT_EQ(full.differing, 0);
}

TEST(Differential, EchoIndexChangesNoEpithet) {
    for (unsigned list = 0; list < 50; ++list) {
        std::mt19937 shape(list), sameShape(list);
        WordLists indexed = ListWithLongWords(shape);
        WordLists searched = ListWithLongWords(sameShape, false);
        XoshiroRandom random(list), sameRandom(list);
        for (int make = 0; make < 40; ++make) {
            const bool single = make % 5 == 4, commas = make & 1, lengthOrder = make & 2;
            ASSERT_EQ(ComposeEpithet(indexed, {single, commas, lengthOrder}, random),
                      ComposeEpithet(searched, {single, commas, lengthOrder}, sameRandom));
        }
    }
}

} // namespace
