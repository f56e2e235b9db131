#include "platform/byte_source.h"
#include "platform/xoshiro_random.h"
#include "words/excluded_words.h"
#include "words/list_reading.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct Verdicts {
    LanguageLineVerdict languageLine;
    GrammarVerdict grammar;
    bool operator==(const Verdicts &) const = default;
};

struct Recorder {
    std::vector<Verdicts> lines;
    void line(const LineReading &reading) {
        lines.push_back({reading.languageLine, reading.grammar});
    }
};

// A pool's words in the order read, each with the grammar byte kept beside it.
std::vector<std::pair<std::u16string, int>> Contents(const WordPool &pool) {
    std::vector<std::pair<std::u16string, int>> contents;
    for (int k = 1; k <= pool.size(); ++k)
        contents.emplace_back(pool.word(k), pool.grammar(k));
    return contents;
}

using Pool = std::vector<std::pair<std::u16string, int>>;
constexpr int m = 0, f = 1, n = 2; // genders
constexpr int b = 0, a = 1;        // places

constexpr auto Plain = LanguageLineVerdict::NotALanguageLine;
constexpr auto Taken = LanguageLineVerdict::Taken;
constexpr auto Unknown = LanguageLineVerdict::UnknownLanguage;
constexpr auto TooLate = LanguageLineVerdict::TooLate;
constexpr auto Kept = GrammarVerdict::Kept;

struct LoadRow {
    const char *what;
    std::string_view list;
    Language language;
    Pool nouns, adjectives, adverbs;
    std::vector<Verdicts> lines;
};

using namespace std::string_view_literals;

const LoadRow kRows[] = {
    {"a NUL after the class letter is no place",
     "@language de\nJ\0 vile\nNm Frosch\n"sv,
     Language::German,
     {{u"Frosch", m}},
     {},
     {},
     {{Taken, Kept}, {Plain, GrammarVerdict::NotAPlace}, {Plain, Kept}}},
    {"a German list keeps genders and places, a plain adjective before the noun",
     "@language de\nNm Frosch\nNf Kr\xc3\xb6te\nnN Schwein\nJb stinkend\nJa faul\nj feige\nV "
     "sehr\n",
     Language::German,
     {{u"Frosch", m}, {u"Kr\u00f6te", f}, {u"Schwein", n}},
     {{u"stinkend", b}, {u"faul", a}, {u"feige", b}},
     {{u"sehr", 0}},
     {{Taken, Kept},
      {Plain, Kept},
      {Plain, Kept},
      {Plain, Kept},
      {Plain, Kept},
      {Plain, Kept},
      {Plain, Kept},
      {Plain, Kept}}},
    {"an English list ignores grammar lines as it always did",
     "Nm Frosch\nN toad\nJb vile\nJ vile\n",
     Language::English,
     {{u"toad", 0}},
     {{u"vile", 0}},
     {},
     {{Plain, Kept}, {Plain, Kept}, {Plain, Kept}, {Plain, Kept}}},
    {"a French list leaves out what no epithet could use",
     "@language fr\nNn truc\nN crapaud\nNf limace\nJ puant\nJx sale\nJ a/b/c\nJb a/\nVx "
     "tr\xc3\xa8s\nV tr\xc3\xa8s",
     Language::French,
     {{u"limace", f}},
     {{u"puant", a}},
     {{u"tr\u00e8s", 0}},
     {{Taken, Kept},
      {Plain, GrammarVerdict::NotAGender},
      {Plain, GrammarVerdict::NounWithoutGender},
      {Plain, Kept},
      {Plain, Kept},
      {Plain, GrammarVerdict::NotAPlace},
      {Plain, GrammarVerdict::MissingForm},
      {Plain, GrammarVerdict::MissingForm},
      {Plain, GrammarVerdict::AdverbWithLetter},
      {Plain, Kept}}},
    {"a language said after a word is ignored",
     "N toad\n  @language de  \nNm Frosch\n",
     Language::English,
     {{u"toad", 0}},
     {},
     {},
     {{Plain, Kept}, {TooLate, Kept}, {Plain, Kept}}},
    {"a grammar line counts as a word for that",
     "Nm Frosch\n@language de\nNm Frosch\n",
     Language::English,
     {},
     {},
     {},
     {{Plain, Kept}, {TooLate, Kept}, {Plain, Kept}}},
    {"an unknown language leaves the list English",
     "@language it\nNm rospo\nN rospo\n@language de\n",
     Language::English,
     {{u"rospo", 0}},
     {},
     {},
     {{Unknown, Kept}, {Plain, Kept}, {Plain, Kept}, {TooLate, Kept}}},
    {"only the first language line counts",
     "# a comment\n@language  es \n@language de\n@languages\nj feo\n",
     Language::Spanish,
     {},
     {{u"feo", a}},
     {},
     {{Plain, Kept}, {Taken, Kept}, {TooLate, Kept}, {Plain, Kept}, {Plain, Kept}}},
    {"a language line spaced by tabs, its keyword in capitals",
     "\t @LANGUAGE\tfr\t\nNm crapaud\n",
     Language::French,
     {{u"crapaud", m}},
     {},
     {},
     {{Taken, Kept}, {Plain, Kept}}},
    {"a tab before a class letter still hides its word",
     "@language de\n\tNm Frosch\n\t\nNm Wurm\n",
     Language::German,
     {{u"Wurm", m}},
     {},
     {},
     {{Taken, Kept}, {Plain, Kept}, {Plain, Kept}, {Plain, Kept}}},
};

TEST(GrammarLoading, KeepsEachWordsGrammarOnceTheListSaysItsLanguage) {
    for (const LoadRow &row : kRows) {
        SCOPED_TRACE(row.what);
        MemoryBytes bytes(row.list);
        TextReader reader(bytes);
        WordLists lists;
        Recorder recorder;
        ReadWordList(lists, reader, nullptr, recorder);
        EXPECT_EQ(lists.ListLanguage, row.language);
        EXPECT_EQ(Contents(lists.NounPool), row.nouns);
        EXPECT_EQ(Contents(lists.AdjectivePool), row.adjectives);
        EXPECT_EQ(Contents(lists.AdverbPool), row.adverbs);
        EXPECT_EQ(recorder.lines, row.lines);
    }
}

struct ExclusionRow {
    const char *what;
    std::string_view list;
    std::string_view excluded;
    Pool adjectives, nouns;
};

const ExclusionRow kExclusions[] = {
    {"by the first form", "@language fr\nJa vieux/vieille\nJa puant\n", "vieux\n", {{u"puant", a}}},
    {"whole", "@language fr\nJa vieux / vieille\nJa puant\n", "vieux / vieille\n", {{u"puant", a}}},
    {"not by another form",
     "@language fr\nJa vieux/vieille\n",
     "vieille\n",
     {{u"vieux/vieille", a}}},
    {"German by its masculine",
     "@language de\nJb dunkler/dunkle/dunkles\nJb faul\n",
     "dunkler\n",
     {{u"faul", b}}},
    {"not a noun by a part",
     "@language fr\nJa sale\nNm a/b\n",
     "a\n",
     {{u"sale", a}},
     {{u"a/b", m}}},
    {"not in an English list, which has no forms",
     "J vieux/vieille\n",
     "vieux\n",
     {{u"vieux/vieille", 0}}},
};

TEST(GrammarLoading, LeavesOutAnAdjectiveByItsFirstFormOrWhole) {
    for (const ExclusionRow &row : kExclusions) {
        SCOPED_TRACE(row.what);
        MemoryBytes bytes(row.list);
        TextReader reader(bytes);
        ExcludedWords leaveOut;
        leaveOut.read(MemoryBytes(row.excluded));
        WordLists lists;
        IgnoreLines ignore;
        ReadWordList(lists, reader, &leaveOut, ignore);
        EXPECT_EQ(Contents(lists.AdjectivePool), row.adjectives);
        EXPECT_EQ(Contents(lists.NounPool), row.nouns);
    }
}

TEST(GrammarLoading, ShuffleKeepsEachWordWithItsGrammar) {
    MemoryBytes bytes("@language de\nNm Frosch\nNf Kr\xc3\xb6te\nNn Schwein\nNm Wurm\nNf Qualle\n");
    WordLists lists;
    XoshiroRandom random(7);
    ASSERT_EQ(LoadWordList(lists, bytes, random), LoadResult::NoAdjectives);
    const std::map<std::u16string, int> genders = {
        {u"Frosch", m}, {u"Kr\u00f6te", f}, {u"Schwein", n}, {u"Wurm", m}, {u"Qualle", f}};
    for (int k = 1; k <= lists.NounPool.size(); ++k)
        EXPECT_EQ(lists.NounPool.grammar(k), genders.at(std::u16string(lists.NounPool.word(k))));
}

} // namespace
