#include "temp_dir.h"

#include "platform/app_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(LocateAppFiles, PortableCopyKeepsEverythingBesideTheProgram) {
    TempDir program, user;
    const AppFiles files = LocateAppFiles(program.path(), user.path() / "vilifex");
    EXPECT_EQ(files.wordListDirectory, program.path());
    EXPECT_EQ(files.saveDirectory, program.path());
}

TEST(LocateAppFiles, ReadsTheUsersOwnListFirst) {
    TempDir program, user;
    user.write("WordList.txt", "J vile\nN toad\n");
    const AppFiles files = LocateAppFiles(program.path(), user.path());
    EXPECT_EQ(files.wordListDirectory, user.path());
    EXPECT_EQ(files.saveDirectory, program.path());
}

TEST(LocateAppFiles, SavesForTheUserWhenTheProgramsFolderIsReadOnly) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    TempDir program, user;
    std::filesystem::permissions(program.path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    const AppFiles files = LocateAppFiles(program.path(), user.path());
    std::filesystem::permissions(program.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(files.wordListDirectory, program.path());
    EXPECT_EQ(files.saveDirectory, user.path());
}

TEST(LocateAppFiles, SavesForTheUserWhenTheProgramsFolderIsGone) {
    TempDir user;
    const AppFiles files = LocateAppFiles("/nonexistent-vilifex", user.path());
    EXPECT_EQ(files.saveDirectory, user.path());
}

TEST(LocateAppFiles, NeverTurnsToTheWorkingDirectoryWithoutAUserDirectory) {
    const AppFiles files = LocateAppFiles("/nonexistent-vilifex", "");
    EXPECT_EQ(files.wordListDirectory, "/nonexistent-vilifex");
    EXPECT_EQ(files.saveDirectory, "/nonexistent-vilifex");
}

} // namespace
