#include "support/temp_dir.h"

#include "platform/app_files.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(LocateAppFiles, PortableCopyKeepsEverythingBesideTheProgramAndNowhereElse) {
    TempDir program, user;
    user.write("WordList.txt", "J vile\nN toad\n");
    fs::create_directory(program.path() / "bin");
    const AppFiles files = LocateAppFiles(program.path() / "bin", user.path());
    EXPECT_EQ(files.wordListDirectory, program.path() / "bin");
    EXPECT_EQ(files.saveDirectory, program.path() / "bin");
}

#ifdef _WIN32
// The installer may put the program in any folder the user chooses, writable or not.
TEST(LocateAppFiles, InstalledCopyIsOneBesideItsUninstaller) {
    TempDir program, user;
    program.write("wordlist.txt", "J vile\nN toad\n");
    program.write("uninstall.exe", "");
    const AppFiles files = LocateAppFiles(program.path(), user.path());
    EXPECT_EQ(files.wordListDirectory, program.path());
    EXPECT_EQ(files.saveDirectory, user.path());
}
#else // an installed copy on Windows is one in a folder it cannot write, or the installer's
TEST(LocateAppFiles, InstalledCopyReadsItsSharedListAndSavesForTheUser) {
    TempDir prefix, user;
    fs::create_directories(prefix.path() / "share" / "vilifex");
    prefix.write("share/vilifex/wordlist.txt", "J vile\nN toad\n");
    const fs::path shared = prefix.path() / "share" / "vilifex";

    AppFiles files = LocateAppFiles(prefix.path() / "games", user.path() / "vilifex");
    EXPECT_EQ(files.wordListDirectory, shared);
    EXPECT_EQ(files.saveDirectory, user.path() / "vilifex");

    EXPECT_FALSE(files.userWordList);

    // Whatever the user put there by the list's name is the user's list, even a folder.
    fs::create_directories(user.path() / "vilifex" / "wordlist.txt");
    files = LocateAppFiles(prefix.path() / "games", user.path() / "vilifex");
    EXPECT_EQ(files.wordListDirectory, user.path() / "vilifex");
    EXPECT_TRUE(files.userWordList);

    user.write("WORDLIST.TXT", "J rank\nN oaf\n");
    files = LocateAppFiles(prefix.path() / "games", user.path());
    EXPECT_EQ(files.wordListDirectory, user.path());

    files = LocateAppFiles(prefix.path() / "games", "");
    EXPECT_EQ(files.wordListDirectory, shared);
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
