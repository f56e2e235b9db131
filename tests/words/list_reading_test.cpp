#include "platform/byte_source.h"
#include "platform/xoshiro_random.h"
#include "words/excluded_words.h"
#include "words/list_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What an observer keeps of each reading, as a checker would.
struct ReadLine {
    uint64_t number;
    LineEnd end;
    std::optional<WordClass> wordClass;
    std::u16string raw, kept, excludedAs;
    bool operator==(const ReadLine &) const = default;
};

struct Recorder {
    std::vector<ReadLine> lines;
    void line(const LineReading &reading) {
        lines.push_back({reading.number, reading.end, reading.wordClass,
                         std::u16string(reading.raw), std::u16string(reading.kept),
                         reading.excludedAs ? *reading.excludedAs : u""});
    }
};

std::vector<ReadLine> Read(std::string_view list, std::string_view leaveOut, WordLists &lists) {
    ExcludedWords excluded;
    excluded.read(MemoryBytes(leaveOut));
    MemoryBytes bytes(list);
    TextReader reader(bytes);
    Recorder recorder;
    ReadWordList(lists, reader, leaveOut.empty() ? nullptr : &excluded, recorder);
    return recorder.lines;
}

constexpr auto J = WordClass::Adjective, N = WordClass::Noun, V = WordClass::Adverb;
constexpr auto LF = LineEnd::LineFeed, CRLF = LineEnd::CrLf, CR = LineEnd::CarriageReturn,
               NoEnd = LineEnd::None;

TEST(ReadWordList, TellsHowEachLineWasReadAsTheLoaderFillsThePools) {
    const struct {
        const char *name;
        std::string_view list, leaveOut;
        std::vector<ReadLine> lines;
    } rows[] = {
        {"a word of each class",
         "J vile\r\nn  toad \rV very",
         "",
         {{1, CRLF, J, u"vile", u"vile", u""},
          {2, CR, N, u"toad", u"toad", u""},
          {3, NoEnd, V, u"very", u"very", u""}}},
        {"lines that give no word",
         "# J vile\n\nJ\nX toad\nJ\tvile\n",
         "",
         {{1, LF, std::nullopt, u"", u"", u""},
          {2, LF, std::nullopt, u"", u"", u""},
          {3, LF, J, u"", u"", u""},
          {4, LF, std::nullopt, u"", u"", u""},
          {5, LF, J, u"", u"", u""}}},
        {"cleaned, and cleaned to nothing",
         "J vi\x01le\x02\nJ \x03\n",
         "",
         {{1, LF, J, u"vi\u0001le\u0002", u"vi le", u""}, {2, LF, J, u"\u0003", u"", u""}}},
        {"left out as cleaned, a control character and all",
         "J vile\x01\nN toad\nN \x7ftoad\n",
         "vile\ntoad\n",
         {{1, LF, J, u"vile\u0001", u"", u"vile"},
          {2, LF, N, u"toad", u"", u"toad"},
          {3, LF, N, u"\u007Ftoad", u"", u"toad"}}},
        {"an excluded word matches only whole",
         "J viler\n",
         "vile\n",
         {{1, LF, J, u"viler", u"viler", u""}}},
    };
    for (const auto &row : rows) {
        WordLists lists;
        EXPECT_EQ(Read(row.list, row.leaveOut, lists), row.lines) << row.name;
    }
}

TEST(ReadWordList, FillsThePoolsAsLoadingDoes) {
    const std::string_view list = "J vile\x01\nJ rank\nN toad\nN wart\nV very\nJ \x01\n";
    WordLists read, loaded;
    Read(list, "rank\n", read);
    ExcludedWords excluded;
    excluded.read(MemoryBytes("rank\n"));
    XoshiroRandom random(1);
    ASSERT_EQ(LoadWordList(loaded, MemoryBytes(list), random, &excluded), LoadResult::Loaded);
    for (const auto wordClass : {V, J, N}) {
        const WordPool &pool = PoolOf(read, wordClass);
        ASSERT_EQ(pool.size(), PoolOf(loaded, wordClass).size());
        for (int k = 1; k <= pool.size(); ++k)
            EXPECT_NE(pool.word(k), u"rank");
    }
    EXPECT_EQ(read.AdjectivePool.size(), 1);
    EXPECT_EQ(read.NounPool.size(), 2);
}

} // namespace
