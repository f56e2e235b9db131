#include "compose/counting_random.h"
#include "compose/epithet.h"
#include "platform/xoshiro_random.h"
#include "words/word_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// How many numbers a retry waits, at the least, for a new pass to come by itself.
constexpr long kLeastPatience = 1 << 16;

// Lists on which a plain retry loop would never end, or all but never. A bound on the random
// numbers one Make draws stands in for a bound on its time.
struct Adversary {
    const char *name;
    std::vector<std::u16string> adverbs, adjectives, nouns;
};

std::vector<std::u16string> Numbered(const std::u16string &stem, int count) {
    std::vector<std::u16string> words;
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(i);
        words.push_back(stem + std::u16string(number.begin(), number.end()));
    }
    return words;
}

std::vector<Adversary> Adversaries() {
    std::vector<std::u16string> clashingNouns = Numbered(u"pustule", 300);
    std::vector<std::u16string> oneNounPasses = clashingNouns;
    oneNounPasses.push_back(u"oaf");
    std::vector<std::u16string> oneAdjectivePasses = Numbered(u"stinky", 300);
    oneAdjectivePasses.push_back(u"rancid");
    return {
        {"one adjective", {}, {u"necrotic"}, {u"pustule"}},
        {"every noun clashes", {}, {u"pustular"}, clashingNouns},
        {"the adverb echoes every adjective", {u"stinkingly"}, Numbered(u"stinky", 300), {u"oaf"}},
        {"one noun passes", {}, {u"pustular"}, oneNounPasses},
        {"one adjective passes", {u"stinkingly"}, oneAdjectivePasses, {u"oaf"}},
    };
}

WordLists MakeLists(const Adversary &adversary) {
    WordLists lists;
    for (const auto &word : adversary.adverbs)
        lists.AdverbPool.append(word);
    for (const auto &word : adversary.adjectives)
        lists.AdjectivePool.append(word);
    for (const auto &word : adversary.nouns)
        lists.NounPool.append(word);
    const int modifiers = lists.AdverbCount() + lists.AdjectiveCount();
    lists.AdverbShare = static_cast<float>(lists.AdverbCount()) / static_cast<float>(modifiers);
    return lists;
}

TEST(Termination, MakeDrawsABoundedCountOfNumbersOnAdversarialLists) {
    XoshiroRandom seeded(17);
    for (const Adversary &adversary : Adversaries()) {
        WordLists lists = MakeLists(adversary);
        const long words = lists.AdverbCount() + lists.AdjectiveCount() + lists.NounCount();
        long most = 0;
        for (int make = 0; make < 400; ++make) {
            CountingRandom random(seeded);
            ComposeEpithet(lists, {make % 2 == 1, (make & 2) != 0, (make & 4) != 0}, random);
            most = std::max(most, random.count);
        }
        // A few passes over every pool, linear in the list however the numbers fall, and a
        // fixed wait for a new pass in each of the two retries.
        EXPECT_LE(most, 40 * words + 2 * kLeastPatience) << adversary.name;
    }
}

TEST(Termination, FreesHandedOutWordsWhenOnlyTheyCouldPass) {
    // Every free noun clashes with the head and the one that would not is handed out: a plain
    // loop would wait for a run of misses that practically never comes.
    WordLists lists;
    lists.AdjectivePool.append(u"pustular");
    for (const auto &noun : Numbered(u"pustule", 300))
        lists.NounPool.append(noun);
    lists.NounPool.append(u"oaf");
    lists.NounPool.markDrawn(lists.NounCount());

    XoshiroRandom seeded(3);
    CountingRandom random(seeded);
    EXPECT_EQ(ComposeEpithet(lists, {true, true, true}, random), u"pustular oaf");
    EXPECT_LE(random.count, 40 * 302 + kLeastPatience);
}

} // namespace
