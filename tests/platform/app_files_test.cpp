#include "support/temp_dir.h"

#include "platform/app_files.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;
using Languages = std::vector<std::string>;

TEST(LocateAppFiles, PortableCopyKeepsEverythingBesideTheProgramAndNowhereElse) {
    TempDir program, user;
    user.write("WordList.txt", "J vile\nN toad\n");
    user.write("wordlist.de.txt", "J vile\nN toad\n");
    fs::create_directory(program.path() / "bin");
    const AppFiles files = LocateAppFiles(program.path() / "bin", user.path(), {"de"});
    EXPECT_EQ(files.wordList, program.path() / "bin" / "wordlist.txt");
    EXPECT_EQ(files.saveDirectory, program.path() / "bin");
}

// A copy as installed, with its shipped lists: the folder of its program, and that of its lists.
struct InstalledCopy {
    TempDir root;
    fs::path program, lists;
    InstalledCopy() {
#ifdef _WIN32
        program = lists = root.path();
        root.write("uninstall.exe", "");
#else
        program = root.path() / "games";
        lists = root.path() / "share" / "vilifex";
        fs::create_directories(lists);
#endif
    }
    void ship(const std::string &name) const {
        std::ofstream(lists / name) << "J vile\nN toad\n";
    }
};

TEST(LocateAppFiles, ReadsTheShippedListOfTheFirstLanguageThatHasOne) {
    const struct {
        Languages shipped, languages;
        const char *expected;
    } rows[] = {
        {{"wordlist.de.txt"}, {"de"}, "wordlist.de.txt"},
        {{"wordlist.de.txt"}, {}, "wordlist.txt"},
        {{"wordlist.de.txt"}, {"pt"}, "wordlist.txt"},
        {{"wordlist.de.txt"}, {"es", "de"}, "wordlist.de.txt"},
        {{"wordlist.de.txt", "wordlist.es.txt"}, {"es", "de"}, "wordlist.es.txt"},
        {{"wordlist.de.txt"}, {"en", "de"}, "wordlist.txt"},
        {{}, {"de"}, "wordlist.txt"},
        {{"WORDLIST.FR.TXT"}, {"fr"}, "WORDLIST.FR.TXT"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.expected);
        TempDir user;
        InstalledCopy installed;
        TempDir portable;
        installed.ship("wordlist.txt");
        portable.write("wordlist.txt", "J vile\nN toad\n");
        for (const std::string &name : row.shipped) {
            installed.ship(name);
            portable.write(name, "J vile\nN toad\n");
        }
        // The same file, as Windows, which ignores case, names it whichever way it is asked.
        EXPECT_TRUE(
            fs::equivalent(LocateAppFiles(installed.program, user.path(), row.languages).wordList,
                           installed.lists / row.expected));
        EXPECT_TRUE(
            fs::equivalent(LocateAppFiles(portable.path(), user.path(), row.languages).wordList,
                           portable.path() / row.expected));
    }
}

TEST(LocateAppFiles, UsersOwnListComesBeforeTheShippedListOfTheirLanguage) {
    TempDir user;
    InstalledCopy installed;
    installed.ship("wordlist.txt");
    installed.ship("wordlist.de.txt");
    user.write("wordlist.txt", "J rank\nN oaf\n");
    const AppFiles files = LocateAppFiles(installed.program, user.path(), {"de"});
    EXPECT_EQ(files.wordList, user.path() / "wordlist.txt");
    EXPECT_TRUE(files.userWordList);
}

TEST(ShippedWordList, NamesTheListOfTheLanguageWhereTheCopyKeepsItsLists) {
    InstalledCopy installed;
    installed.ship("wordlist.txt");
    TempDir portable;
    EXPECT_EQ(ShippedWordList(ShippedListDirectory(installed.program), "es"),
              installed.lists / "wordlist.es.txt");
    EXPECT_EQ(ShippedWordList(ShippedListDirectory(installed.program), "en"),
              installed.lists / "wordlist.txt");
    EXPECT_EQ(ShippedWordList(ShippedListDirectory(portable.path()), "de"),
              portable.path() / "wordlist.de.txt");
}

#ifdef _WIN32
// The installer may put the program in any folder the user chooses, writable or not.
TEST(LocateAppFiles, InstalledCopyIsOneBesideItsUninstaller) {
    TempDir program, user;
    program.write("wordlist.txt", "J vile\nN toad\n");
    program.write("uninstall.exe", "");
    const AppFiles files = LocateAppFiles(program.path(), user.path(), {});
    EXPECT_EQ(files.wordList, program.path() / "wordlist.txt");
    EXPECT_EQ(files.saveDirectory, user.path());
}
#else // an installed copy on Windows is one in a folder it cannot write, or the installer's
TEST(LocateAppFiles, InstalledCopyReadsItsSharedListAndSavesForTheUser) {
    TempDir prefix, user;
    fs::create_directories(prefix.path() / "share" / "vilifex");
    prefix.write("share/vilifex/wordlist.txt", "J vile\nN toad\n");
    const fs::path shared = prefix.path() / "share" / "vilifex";

    AppFiles files = LocateAppFiles(prefix.path() / "games", user.path() / "vilifex", {});
    EXPECT_EQ(files.wordList, shared / "wordlist.txt");
    EXPECT_EQ(files.saveDirectory, user.path() / "vilifex");

    EXPECT_FALSE(files.userWordList);

    // Whatever the user put there by the list's name is the user's list, even a folder.
    fs::create_directories(user.path() / "vilifex" / "wordlist.txt");
    files = LocateAppFiles(prefix.path() / "games", user.path() / "vilifex", {});
    EXPECT_EQ(files.wordList, user.path() / "vilifex" / "wordlist.txt");
    EXPECT_TRUE(files.userWordList);

    user.write("WORDLIST.TXT", "J rank\nN oaf\n");
    files = LocateAppFiles(prefix.path() / "games", user.path(), {});
    EXPECT_EQ(files.wordList, user.path() / "WORDLIST.TXT");

    files = LocateAppFiles(prefix.path() / "games", "", {});
    EXPECT_EQ(files.wordList, shared / "wordlist.txt");
    EXPECT_EQ(files.saveDirectory, ""); // never under the prefix
}

TEST(UserDataDirectory, FollowsTheXdgRules) {
    const struct {
        const char *xdgDataHome, *home, *expected;
    } rows[] = {
        {"/data", "/home/u", "/data/vilifex"},
        {nullptr, "/home/u", "/home/u/.local/share/vilifex"},
        {"relative/data", "/home/u", "/home/u/.local/share/vilifex"},
        {"", "/home/u", "/home/u/.local/share/vilifex"},
        {nullptr, nullptr, ""},
        {nullptr, "relative", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(UserDataDirectory(row.xdgDataHome, row.home), fs::path(row.expected))
            << (row.xdgDataHome ? row.xdgDataHome : "unset") << " "
            << (row.home ? row.home : "unset");
}
#endif

TEST(ProgramDirectory, IsTheFolderOfTheRunningExecutable) {
#ifdef _WIN32
    EXPECT_TRUE(fs::exists(ProgramDirectory() / "core_tests.exe"));
#else
    EXPECT_TRUE(fs::exists(ProgramDirectory() / "core_tests"));
#endif
}

} // namespace
