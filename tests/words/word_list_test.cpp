#include "support/scripted_random.h"
#include "support/split_tagged_line.h"
#include "support/temp_dir.h"
#include "support/word_list_in_folder.h"

#include "platform/byte_source.h"
#include "platform/display_text.h"
#include "platform/xoshiro_random.h"
#include "words/load_failure.h"
#include "words/word_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

using Words = std::vector<std::u16string>;

Words SortedWords(const WordPool &pool) {
    Words words;
    for (int k = 1; k <= pool.size(); ++k)
        words.emplace_back(pool.word(k));
    std::sort(words.begin(), words.end());
    return words;
}

class LoadWordListTest : public ::testing::Test {
protected:
    LoadResult load(std::string_view contents, const std::string &name = "wordlist.txt") {
        dir.write(name, contents);
        return LoadWordList(lists, dir.path(), random);
    }

    TempDir dir;
    WordLists lists;
    XoshiroRandom random{5};
};

TEST(SplitTaggedLine, SplitsOffATagFollowedByASpace) {
    std::u16string line = u"j   necrotic  ";
    EXPECT_EQ(SplitTaggedLine(line), u'j');
    EXPECT_EQ(line, u"necrotic");

    line = u"Jpustule";
    EXPECT_EQ(SplitTaggedLine(line), 0);
    EXPECT_EQ(line, u"Jpustule");

    line = u"J\tpustule";
    EXPECT_EQ(SplitTaggedLine(line), 0);
    EXPECT_EQ(line, u"J\tpustule");
}

TEST_F(LoadWordListTest, SortsWordsByTagInEitherCase) {
    ASSERT_EQ(load("J necrotic\r\nj incontinent\r\nN pustule\r\nn oaf\r\nV stinkingly\r\n"
                   "v abominably\r\n"),
              LoadResult::Loaded);
    EXPECT_EQ(SortedWords(lists.AdjectivePool), (Words{u"incontinent", u"necrotic"}));
    EXPECT_EQ(SortedWords(lists.NounPool), (Words{u"oaf", u"pustule"}));
    EXPECT_EQ(SortedWords(lists.AdverbPool), (Words{u"abominably", u"stinkingly"}));
    EXPECT_EQ(lists.AdjectiveCount(), 2);
    EXPECT_EQ(lists.NounCount(), 2);
    EXPECT_EQ(lists.AdverbCount(), 2);
}

TEST_F(LoadWordListTest, TrimsSpacesButKeepsInnerSpacesAndTabs) {
    ASSERT_EQ(load("j  necrotic  \r\n  N pustule\r\nN incontinent pustule\r\nJ rancid\t\r\n"),
              LoadResult::Loaded);
    EXPECT_EQ(SortedWords(lists.AdjectivePool), (Words{u"necrotic", u"rancid\t"}));
    EXPECT_EQ(SortedWords(lists.NounPool), (Words{u"incontinent pustule", u"pustule"}));
}

TEST_F(LoadWordListTest, CleansControlCharactersAwayWithTheSpacesTheyLeaveAtTheEnds) {
    ASSERT_EQ(load("J \x01\x02vile\x03\r\nN \x1B toad\x7F\r\nN wart\x01hog\r\n"),
              LoadResult::Loaded);
    EXPECT_EQ(SortedWords(lists.AdjectivePool), (Words{u"vile"}));
    EXPECT_EQ(SortedWords(lists.NounPool), (Words{u"toad", u"wart hog"}));
}

TEST(LoadFailureMessage, TellsEachFailureAndNamesAListThatIsThereButUnreadable) {
    const std::filesystem::path list = std::filesystem::path("x") / "wordlist.txt";
    const std::u16string name = PathText(list);
    const auto missing = std::make_error_code(std::errc::no_such_file_or_directory);
    const auto folder = std::make_error_code(std::errc::is_a_directory);
    const struct {
        LoadResult result;
        std::error_code error;
        std::u16string start, end;
    } rows[] = {
        {LoadResult::CannotOpen, missing, u"Can't run without WORDLIST.TXT,", u"pustule!"},
        {LoadResult::CannotOpen, folder, u"Can't run without WORDLIST.TXT,",
         name + u": " + ErrorText(folder) + u"."},
        {LoadResult::TooLarge, {}, u"WORDLIST.TXT is too large", u"to load it."},
        {LoadResult::NoNouns, {}, u"WORDLIST.TXT has no nouns.", u"has no nouns."},
        {LoadResult::LineTooLong,
         {},
         u"WORDLIST.TXT is not a word list: line 3 is longer than 16 MiB.\r\n",
         u"The word list is " + name + u"."},
    };
    for (const auto &row : rows) {
        const std::u16string message =
            LoadFailureMessage(row.result, list, row.error, ListNaming::WhereUnreadable, 3);
        EXPECT_TRUE(message.starts_with(row.start)) << static_cast<int>(row.result);
        EXPECT_TRUE(message.ends_with(row.end)) << static_cast<int>(row.result);
    }
}

TEST(LoadFailureMessage, CallsTheListByTheNameOfTheFileRead) {
    const std::filesystem::path folder("x");
    const auto missing = std::make_error_code(std::errc::no_such_file_or_directory);
    const struct {
        const char *file;
        LoadResult result;
        std::error_code error;
        std::u16string start;
    } rows[] = {
        {"wordlist.de.txt", LoadResult::NoNouns, {}, u"WORDLIST.DE.TXT has no nouns."},
        {"wordlist.es.txt", LoadResult::CannotOpen, missing, u"Can't run without WORDLIST.ES.TXT,"},
        {"WordList.txt", LoadResult::NoAdjectives, {}, u"WORDLIST.TXT has no adjectives."},
        {"wordlist.az.txt", LoadResult::NoNouns, {}, u"WORDLIST.AZ.TXT has no nouns."},
    };
    for (const auto &row : rows)
        EXPECT_TRUE(LoadFailureMessage(row.result, folder / row.file, row.error,
                                       ListNaming::WhereUnreadable)
                        .starts_with(row.start))
            << row.file;
}

TEST_F(LoadWordListTest, IgnoresEverythingButTaggedLines) {
    ASSERT_EQ(
        load("X pustule\r\nA vile\r\na rank\r\nJ\r\nJpustule\r\nJ\tpustule\r\n\r\n# J comment\r\n"
             "Add words below.\r\nJ vile\r\nN toad\r\n"),
        LoadResult::Loaded);
    EXPECT_EQ(SortedWords(lists.AdjectivePool), (Words{u"vile"}));
    EXPECT_EQ(SortedWords(lists.NounPool), (Words{u"toad"}));
    EXPECT_TRUE(lists.AdverbPool.empty());
}

TEST_F(LoadWordListTest, CountsEveryAcceptedLineDuplicatesIncluded) {
    ASSERT_EQ(load("J vile\nJ vile\nN toad\n"), LoadResult::Loaded);
    EXPECT_EQ(lists.AdjectiveCount(), 2);
}

TEST_F(LoadWordListTest, AdverbShareIsTheAdverbsShareOfTheModifiers) {
    std::string contents = "N toad\n";
    for (int i = 0; i < 300; ++i)
        contents += "J adjective" + std::to_string(i) + "\n";
    for (int i = 0; i < 100; ++i)
        contents += "V adverb" + std::to_string(i) + "\n";
    ASSERT_EQ(load(contents), LoadResult::Loaded);
    EXPECT_EQ(lists.AdverbShare, 0.25f);
}

TEST_F(LoadWordListTest, ShufflesNounsThenAdjectivesThenAdverbs) {
    dir.write("wordlist.txt", "N a\nN b\nJ c\nJ d\nV e\nV f\nV g\n");
    // Two entries take two numbers each; three take three.
    ScriptedRandom scripted{Pick(2, 2), Pick(1, 2), Pick(2, 2), Pick(1, 2),
                            Pick(2, 3), Pick(3, 3), Pick(1, 3)};
    ASSERT_EQ(LoadWordList(lists, dir.path(), scripted), LoadResult::Loaded);
    EXPECT_EQ(scripted.remaining(), 0u);
    // e f g -> f e g -> f g e -> e g f
    EXPECT_EQ(lists.AdverbPool.word(1), u"e");
    EXPECT_EQ(lists.AdverbPool.word(3), u"f");
}

// The adjectives of a list read from memory.
Words AdjectivesOf(std::string_view bytes) {
    WordLists lists;
    XoshiroRandom random(1);
    LoadWordList(lists, MemoryBytes(bytes), random);
    return SortedWords(lists.AdjectivePool);
}

// Bytes of a literal, NUL bytes included.
template <size_t N> std::string Bytes(const char (&literal)[N]) {
    return {literal, N - 1};
}

std::string Repeat(std::string_view part, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += part;
    return out;
}

std::u16string Repeat(std::u16string_view part, int times) {
    std::u16string out;
    for (int i = 0; i < times; ++i)
        out += part;
    return out;
}

TEST(LoadWordListFromMemory, ReadsEveryLineEndAndEncoding) {
    const struct {
        const char *name;
        std::string bytes;
        Words adjectives;
    } rows[] = {
        {"CR LF, LF, lone CR, no end", "J a\r\nJ b\nJ c\rJ d", {u"a", u"b", u"c", u"d"}},
        {"empty lines between", "J a\r\n\nJ b\r\rJ c\n\r", {u"a", u"b", u"c"}},
        {"byte-order mark at the start only",
         "\xEF\xBB\xBFJ caf\xC3\xA9\r\n\xEF\xBB\xBFJ x",
         {u"caf\u00E9"}},
        {"each line in its own encoding",
         "J caf\xC3\xA9\nJ p\xE9trified\n",
         {u"caf\u00E9", u"p\u00E9trified"}},
        {"UTF-16 little-endian",
         Bytes("\xFF\xFEJ\0 \0v\0i\0l\0e\0\r\0\n\0J\0 \0\xAC\x20"),
         {u"vile", u"\u20AC"}},
        {"UTF-16 big-endian, odd last byte",
         Bytes("\xFE\xFF\0J\0 \0\xE9\0\r\0J\0 \0x\0"),
         {u"x", u"\u00E9"}},
        {"UTF-8 longer than a chunk",
         "J " + Repeat("\xC3\xA9", 70000) + "\nJ x",
         {u"x", Repeat(u"\u00E9", 70000)}},
        {"nearly UTF-8 longer than a chunk",
         "J " + Repeat("\xC3\xA9", 70000) + "\xFF",
         {Repeat(u"\u00C3\u00A9", 70000) + u"\u00FF"}},
        {"UTF-16 longer than a chunk, then a line within a later one",
         Bytes("\xFF\xFEJ\0 \0") + Repeat(Bytes("a\0"), 70000) + Bytes("\n\0J\0 \0x\0\n\0"),
         {Repeat(u"a", 70000), u"x"}},
    };
    for (const auto &row : rows)
        EXPECT_TRUE(AdjectivesOf(row.bytes) == row.adjectives) << row.name;
}

TEST(LoadWordListFromMemory, NumbersEachDistinctPrefixOnceInListsLargeEnoughToShareTheWork) {
    // Pools large enough to be numbered side by side; each of 30,000 prefixes opens three words.
    constexpr int kPrefixes = 30000;
    std::string text;
    for (int i = 0; i < 3 * kPrefixes; ++i) {
        const std::string word = std::to_string(10000 + i % kPrefixes) + "-" + std::to_string(i);
        text += "J " + word + "\nN " + word + "\n";
    }
    WordLists lists;
    XoshiroRandom random(1);
    ASSERT_EQ(LoadWordList(lists, MemoryBytes(text), random), LoadResult::Loaded);
    for (const WordPool *pool : {&lists.AdjectivePool, &lists.NounPool}) {
        std::map<std::u16string_view, uint32_t> numbers;
        std::set<uint32_t> distinct;
        for (int k = 1; k <= pool->size(); ++k) {
            const auto [known, added] =
                numbers.emplace(pool->word(k).substr(0, kPrefixLength), pool->prefixNumber(k));
            ASSERT_EQ(known->second, pool->prefixNumber(k)) << known->first.size();
            distinct.insert(known->second);
        }
        EXPECT_EQ(distinct.size(), kPrefixes);
        EXPECT_EQ(pool->prefixes().size(), kPrefixes);
    }
}

TEST_F(LoadWordListTest, FindsTheListUnderAnyCaseOfItsName) {
    EXPECT_EQ(load("J vile\nN toad\n", "WORDLIST.TXT"), LoadResult::Loaded);
}

TEST_F(LoadWordListTest, FailsWithoutAReadableFileAndLeavesTheListsAlone) {
    ASSERT_EQ(load("J vile\nN toad\nV vilely\n"), LoadResult::Loaded);
    std::filesystem::remove(dir.path() / "wordlist.txt");
    EXPECT_EQ(LoadWordList(lists, dir.path(), random), LoadResult::CannotOpen);
    std::filesystem::create_directory(dir.path() / "wordlist.txt");
    EXPECT_EQ(LoadWordList(lists, dir.path(), random), LoadResult::CannotOpen);
    EXPECT_EQ(SortedWords(lists.AdjectivePool), Words{u"vile"});
    EXPECT_EQ(SortedWords(lists.NounPool), Words{u"toad"});
    EXPECT_EQ(SortedWords(lists.AdverbPool), Words{u"vilely"});
    EXPECT_EQ(lists.AdverbShare, 0.5f);
}

TEST_F(LoadWordListTest, SaysWhichWordClassIsMissing) {
    EXPECT_EQ(load("N toad\nV vilely\n"), LoadResult::NoAdjectives);
    lists = {};
    EXPECT_EQ(load("J vile\n"), LoadResult::NoNouns);
    lists = {};
    EXPECT_EQ(load("# nothing but comments\n"), LoadResult::NoAdjectivesOrNouns);
    EXPECT_EQ(lists.AdverbShare, 0.0f); // no modifiers: no division by zero
    lists = {};
    EXPECT_EQ(load("V vilely\n"), LoadResult::NoAdjectivesOrNouns);
    EXPECT_EQ(lists.AdverbShare, 1.0f);
}

} // namespace
