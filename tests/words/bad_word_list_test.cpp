#include "support/temp_dir.h"
#include "support/word_list_in_folder.h"
#ifndef _WIN32
#include "support/ordinary_user_test.h"
#endif

#include "compose/counting_random.h"
#include "compose/epithet.h"
#include "platform/byte_source.h"
#include "platform/xoshiro_random.h"
#include "words/line_splitter.h"
#include "words/load_failure.h"
#include "words/word_list.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

namespace {

class BadWordListTest : public ::testing::Test {
protected:
    LoadResult load(std::string_view contents) {
        dir.write("wordlist.txt", contents);
        return LoadWordList(lists, dir.path(), random);
    }

    void expectCleanWords() const {
        for (const WordPool *pool : {&lists.AdverbPool, &lists.AdjectivePool, &lists.NounPool}) {
            for (int k = 1; k <= pool->size(); ++k) {
                EXPECT_FALSE(pool->word(k).empty());
                EXPECT_EQ(pool->word(k).find_first_of(u"\r\n"), std::u16string::npos);
            }
        }
    }

    TempDir dir;
    WordLists lists;
    XoshiroRandom random{9};
};

TEST_F(BadWordListTest, NeverOpensWhatIsNotARegularReadableFile) {
    std::filesystem::create_directory(dir.path() / "wordlist.txt");
    EXPECT_EQ(LoadWordList(lists, dir.path(), random), LoadResult::CannotOpen);
    std::filesystem::remove(dir.path() / "wordlist.txt");
#ifndef _WIN32 // pipes and symbolic links as POSIX has them
    ASSERT_EQ(::mkfifo((dir.path() / "wordlist.txt").c_str(), 0600), 0);
    EXPECT_EQ(LoadWordList(lists, dir.path(), random), LoadResult::CannotOpen);
    std::filesystem::remove(dir.path() / "wordlist.txt");

    std::filesystem::create_symlink(dir.path() / "gone", dir.path() / "wordlist.txt");
    EXPECT_EQ(LoadWordList(lists, dir.path(), random), LoadResult::CannotOpen);
#endif
}

#ifndef _WIN32 // permission bits; Windows has access-control lists instead
TEST_F(BadWordListTest, NeverOpensAListWithoutReadAccess) {
    if (RanAgainAsOrdinaryUser())
        return;
    dir.write("wordlist.txt", "J vile\nN toad\n");
    std::filesystem::permissions(dir.path() / "wordlist.txt", std::filesystem::perms::none);
    std::error_code error;
    EXPECT_EQ(LoadWordList(lists, dir.path(), random, &error), LoadResult::CannotOpen);
    // Told as a list that is there but cannot be read, by its name, not as a missing one.
    EXPECT_EQ(error, std::errc::permission_denied);
    const std::u16string message = LoadFailureMessage(
        LoadResult::CannotOpen, dir.path() / "wordlist.txt", error, ListNaming::WhereUnreadable);
    EXPECT_NE(message.find(u"wordlist.txt: "), std::u16string::npos);
}
#endif

TEST_F(BadWordListTest, TakesTheWellFormedLinesOutOfBinaryGarbage) {
    std::mt19937 bytes(4);
    std::string garbage;
    for (int i = 0; i < 1 << 16; ++i)
        garbage.push_back(static_cast<char>(bytes()));
    load(garbage + "\nJ vile\nN toad\n" + garbage);
    expectCleanWords();
    EXPECT_GE(lists.AdjectiveCount(), 1);
    EXPECT_GE(lists.NounCount(), 1);
}

TEST_F(BadWordListTest, TurnsControlCharactersInsideWordsIntoSpaces) {
    ASSERT_EQ(load(std::string("J vi\0le\nN toad\x1B\x01\n\0 \0\nV \xC2\x85\n", 26)),
              LoadResult::Loaded);
    EXPECT_EQ(lists.AdjectivePool.word(1), u"vi le");
    EXPECT_EQ(lists.NounPool.word(1), u"toad"); // the spaces at its end trimmed
    EXPECT_EQ(lists.AdverbCount(), 0);          // nothing but a control character
}

TEST_F(BadWordListTest, ReadsAroundAMegabyteLine) {
    const std::string huge(1 << 20, 'x');
    ASSERT_EQ(load(huge + "\r\nJ vile\r\nJ " + huge + "\r\nN toad\r\n"), LoadResult::Loaded);
    EXPECT_EQ(lists.AdjectiveCount(), 2);
    EXPECT_EQ(lists.NounCount(), 1);
}

#ifndef _WIN32 // a child process with an address-space limit
// The load's result in a child process whose address space may grow by `room` bytes at most.
LoadResult LoadWithRoomFor(const std::filesystem::path &directory, size_t room) {
    const pid_t child = ::fork();
    if (child == 0) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t limit = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + room;
        const rlimit space{limit, limit};
        ::setrlimit(RLIMIT_AS, &space);
        WordLists lists;
        XoshiroRandom random(1);
        const LoadResult result = LoadWordList(lists, directory, random);
        // Memory that ran out is given back: the lists are left empty.
        const bool emptied = lists.AdjectiveCount() + lists.NounCount() + lists.AdverbCount() == 0;
        ::_exit(result != LoadResult::TooLarge || emptied ? static_cast<int>(result) : 99);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? static_cast<LoadResult>(WEXITSTATUS(status))
                             : LoadResult::CannotOpen;
}

TEST_F(BadWordListTest, LoadsAHugeLineInTwiceItsSizeAndSaysWhenMemoryRunsOut) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
#endif
    constexpr size_t kLine = 12 << 20;
    dir.write("wordlist.txt", "N toad\nJ " + std::string(kLine, 'x'));
    EXPECT_EQ(LoadWithRoomFor(dir.path(), 2 * kLine + (32 << 20)), LoadResult::Loaded);
    EXPECT_EQ(LoadWithRoomFor(dir.path(), kLine), LoadResult::TooLarge);
}
#endif

TEST(LineTooLong, StopsTheLoadAtTheFirstLineOfMoreBytesThanTheBound) {
    // A noun "t" and the start of an adjective, in UTF-16 after its mark.
    const std::string utf16 = std::string("\xFF\xFEN\0 \0t\0\n\0J\0 \0", 14);
    const struct {
        const char *what;
        std::string list;
        LoadResult result;
        uint64_t longLine;
    } rows[] = {
        {"a word as long as the bound", "N toad\nJ " + std::string(kLongestLine - 2, 'x'),
         LoadResult::Loaded, 0},
        {"a word past it", "N toad\r\nJ vile\r\nJ " + std::string(kLongestLine - 1, 'x') + "\r\n",
         LoadResult::LineTooLong, 3},
        {"a line of spaces past it", std::string(kLongestLine + 1, ' ') + "\nJ vile\nN toad",
         LoadResult::LineTooLong, 1},
        {"UTF-16 as long as the bound", utf16 + std::string(kLongestLine - 4, 'x'),
         LoadResult::Loaded, 0},
        {"UTF-16 past it", utf16 + std::string(kLongestLine - 2, 'x'), LoadResult::LineTooLong, 2},
    };
    for (const auto &row : rows) {
        WordLists lists;
        XoshiroRandom random(1);
        uint64_t longLine = 0;
        EXPECT_EQ(LoadWordList(lists, MemoryBytes(row.list), random, nullptr, &longLine),
                  row.result)
            << row.what;
        EXPECT_EQ(longLine, row.longLine) << row.what;
        if (row.result == LoadResult::LineTooLong)
            EXPECT_EQ(lists.AdjectiveCount() + lists.NounCount(), 0) << row.what;
    }
}

TEST_F(BadWordListTest, ReadsEachLineInTheEncodingItIsValidIn) {
    // Windows-1252 quotes and accents; a line that is nearly UTF-8 is read as Windows-1252
    // whole, never half and half.
    ASSERT_EQ(load("J \x93p\xE9trified\x94\rN caf\xC3\xA9 \xFF\nN na\xC3\xAFve"),
              LoadResult::Loaded);
    EXPECT_EQ(lists.AdjectivePool.word(1), u"\u201Cp\u00E9trified\u201D");
    std::vector<std::u16string_view> nouns = {lists.NounPool.word(1), lists.NounPool.word(2)};
    std::sort(nouns.begin(), nouns.end());
    EXPECT_EQ(nouns, (std::vector<std::u16string_view>{u"caf\u00C3\u00A9 \u00FF", u"na\u00EFve"}));
}

TEST_F(BadWordListTest, LoadsAMillionLinesAndMakesStayCheap) {
    std::ostringstream contents;
    const char tags[] = {'J', 'N', 'V', 'N'};
    for (int i = 0; i < 1000000; ++i)
        contents << tags[i % 4] << " word" << i << "\r\n";
    ASSERT_EQ(load(contents.str()), LoadResult::Loaded);
    EXPECT_EQ(lists.NounCount(), 500000);
    EXPECT_EQ(lists.AdjectiveCount(), 250000);
    EXPECT_EQ(lists.AdverbCount(), 250000);

    for (int make = 0; make < 1000; ++make) {
        CountingRandom counting(random);
        ComposeEpithet(lists, {make % 2 == 1, (make & 2) != 0, (make & 4) != 0}, counting);
        ASSERT_LE(counting.count, 100);
    }
}

} // namespace
