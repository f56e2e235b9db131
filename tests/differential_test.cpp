#include "reference_composer.h"

#include "compose/epithet.h"
#include "platform/counting_random.h"
#include "platform/standard_random.h"
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
    StandardRandom random(seed);
    for (int make = 0; make < makes; ++make) {
        const bool single = make % 5 == 4, commas = make & 1, lengthOrder = make & 2;
        reference::Lists copy = reference::CopyOf(lists);
        StandardRandom sameNumbers = random;
        CountingRandom counting(random);
        const std::u16string epithet = ComposeEpithet(lists, single, commas, lengthOrder, counting);

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

TEST(Differential, ComposerDrawsAsTheReferenceSaveWhereItsGuardStepsIn) {
    Tally small;
    std::mt19937 shape(11);
    for (unsigned list = 0; list < 2000; ++list) {
        WordLists lists = SmallClashingList(shape);
        Compare(lists, 50, list, small);
    }
    Tally full;
    WordLists lists;
    StandardRandom loading(1);
    ASSERT_EQ(LoadWordList(lists, VILIFEX_DATA_DIR, loading), LoadResult::Loaded);
    Compare(lists, 100000, 7, full);

    std::printf("differing: %ld of %ld on small lists, %ld of %ld on the default list\n",
                small.differing, small.makes, full.differing, full.makes);
    EXPECT_LE(small.differing * 100, small.makes); // under 1 in 100
    EXPECT_EQ(full.differing, 0);
}

} // namespace
