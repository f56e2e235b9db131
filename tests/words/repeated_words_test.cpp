#include "words/repeated_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

WordPool PoolOf(const std::vector<std::u16string> &words) {
    WordPool pool;
    for (const std::u16string &word : words)
        pool.append(word);
    return pool;
}

// The repeats in an order of their own, as the finder gives them in none.
std::vector<std::tuple<int, int, int>> Sorted(const std::vector<RepeatedWord> &repeats) {
    std::vector<std::tuple<int, int, int>> sorted;
    for (const RepeatedWord &repeat : repeats)
        sorted.emplace_back(repeat.first, repeat.second, repeat.times);
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

struct RepeatRow {
    std::vector<std::u16string> words;
    std::vector<std::tuple<int, int, int>> repeats; // first, second, times
    std::vector<int> firstComings;
};

const RepeatRow kRepeatRows[] = {
    {{}, {}, {}},
    {{u"vile"}, {}, {1}},
    {{u"vile", u"rank", u"vile", u"vile", u"rank", u"toad"}, {{1, 3, 3}, {2, 5, 2}}, {1, 2, 6}},
    // Words that differ only past their start, or in case, are different.
    {{u"vile", u"vilest", u"Vile", u"vile"}, {{1, 4, 2}}, {1, 2, 3}},
};

TEST(RepeatedWords, NamesEachRepeatOnceWithItsFirstTwoComingsAndItsCount) {
    for (const RepeatRow &row : kRepeatRows) {
        const PoolRepeats found = FindRepeats(PoolOf(row.words));
        EXPECT_EQ(Sorted(found.words), row.repeats);
        EXPECT_EQ(found.firstComings, row.firstComings);
    }
}

// Enough words that the tables grow and every part holds some; each word comes from one to
// four times, the later comings far from the first.
TEST(RepeatedWords, AgreeWithCountingOnManyWords) {
    std::vector<std::u16string> words;
    for (int round = 0; round < 4; ++round)
        for (int i = 0; i < 20000; ++i)
            if (i % 4 >= round) {
                const std::string number = std::to_string(i);
                words.push_back(u"w" + std::u16string(number.begin(), number.end()));
            }
    std::map<std::u16string, std::vector<int>> comings;
    for (size_t k = 0; k < words.size(); ++k)
        comings[words[k]].push_back(static_cast<int>(k) + 1);
    std::vector<std::tuple<int, int, int>> repeats;
    std::vector<int> firstComings;
    for (const auto &[word, entries] : comings) {
        firstComings.push_back(entries[0]);
        if (entries.size() > 1)
            repeats.emplace_back(entries[0], entries[1], static_cast<int>(entries.size()));
    }
    std::sort(repeats.begin(), repeats.end());
    std::sort(firstComings.begin(), firstComings.end());

    const PoolRepeats found = FindRepeats(PoolOf(words));
    EXPECT_EQ(Sorted(found.words), repeats);
    EXPECT_EQ(found.firstComings, firstComings);
}

} // namespace
