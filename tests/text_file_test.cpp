#include "temp_dir.h"

#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <vector>

namespace {

std::vector<std::u16string> ReadAll(const std::filesystem::path &path) {
    LineReader reader;
    EXPECT_TRUE(reader.open(path));
    std::vector<std::u16string> lines;
    std::u16string line;
    while (reader.readLine(line))
        lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::u16string>;

TEST(LineReader, EndsLinesAtCrLfLfAndLoneCr) {
    TempDir dir;
    EXPECT_EQ(ReadAll(dir.write("crlf", "a\r\nb\r\n")), (Lines{u"a", u"b"}));
    EXPECT_EQ(ReadAll(dir.write("lf", "a\nb\n")), (Lines{u"a", u"b"}));
    EXPECT_EQ(ReadAll(dir.write("cr", "a\rb\r")), (Lines{u"a", u"b"}));
    EXPECT_EQ(ReadAll(dir.write("mixed", "a\r\n\nb\r\rc\n\r")),
              (Lines{u"a", u"", u"b", u"", u"c", u""}));
}

TEST(LineReader, ReadsALastLineWithoutLineEnd) {
    TempDir dir;
    EXPECT_EQ(ReadAll(dir.write("last", "a\r\nb")), (Lines{u"a", u"b"}));
    EXPECT_EQ(ReadAll(dir.write("empty", "")), Lines{});
}

TEST(LineReader, SkipsALeadingByteOrderMarkOnly) {
    TempDir dir;
    EXPECT_EQ(ReadAll(dir.write("bom", "\xEF\xBB\xBFJ caf\xC3\xA9\r\n\xEF\xBB\xBFx")),
              (Lines{u"J caf\u00E9", u"\uFEFFx"}));
}

TEST(LineReader, DecodesEachLineOnItsOwn) {
    TempDir dir;
    EXPECT_EQ(ReadAll(dir.write("mixed", "caf\xC3\xA9\ncaf\xE9\n")),
              (Lines{u"caf\u00E9", u"caf\u00E9"}));
}

TEST(LineReader, OpensOnlyRegularFiles) {
    TempDir dir;
    LineReader reader;
    EXPECT_FALSE(reader.open(dir.path() / "missing"));
    std::filesystem::create_directory(dir.path() / "folder");
    EXPECT_FALSE(LineReader().open(dir.path() / "folder"));
    ASSERT_EQ(::mkfifo((dir.path() / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(LineReader().open(dir.path() / "pipe")); // must not block
}

TEST(FindFileIgnoringCase, PrefersTheExactNameThenAnyCase) {
    TempDir dir;
    EXPECT_EQ(FindFileIgnoringCase(dir.path(), "wordlist.txt"), dir.path() / "wordlist.txt");
    dir.write("WordList.TXT", "");
    dir.write("WORDLIST.TXT", "");
    EXPECT_EQ(FindFileIgnoringCase(dir.path(), "wordlist.txt"), dir.path() / "WORDLIST.TXT");
    dir.write("wordlist.txt", "");
    EXPECT_EQ(FindFileIgnoringCase(dir.path(), "wordlist.txt"), dir.path() / "wordlist.txt");
    EXPECT_EQ(FindFileIgnoringCase(dir.path() / "missing", "x"), dir.path() / "missing" / "x");
}

TEST(AppendLine, AppendsUtf8LinesEndedByCrLfCreatingTheFile) {
    TempDir dir;
    const auto path = dir.path() / "saved.txt";
    EXPECT_FALSE(AppendLine(path, u"p\u00E9trified oaf"));
    EXPECT_FALSE(AppendLine(path, u"p\u00E9trified oaf"));
    EXPECT_EQ(dir.read("saved.txt"), "p\xC3\xA9trified oaf\r\np\xC3\xA9trified oaf\r\n");
}

TEST(AppendLine, KeepsTextWithLineEndsOnOneLine) {
    TempDir dir;
    EXPECT_FALSE(AppendLine(dir.path() / "saved.txt", u"two\r\nlines\n"));
    EXPECT_EQ(dir.read("saved.txt"), "two  lines \r\n");
}

TEST(AppendLine, ReportsWhyAFileCannotBeWritten) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "saved.txt");
    EXPECT_EQ(AppendLine(dir.path() / "saved.txt", u"x"), std::errc::is_a_directory);
    EXPECT_EQ(AppendLine(dir.path() / "no" / "saved.txt", u"x"),
              std::errc::no_such_file_or_directory);
    // Both fail for root too, whom permission bits do not stop.
    std::filesystem::create_symlink(dir.path() / "gone" / "saved.txt", dir.path() / "dangling");
    EXPECT_EQ(AppendLine(dir.path() / "dangling", u"x"), std::errc::no_such_file_or_directory);
    if (std::filesystem::exists("/dev/full"))
        EXPECT_EQ(AppendLine("/dev/full", u"x"), std::errc::no_space_on_device);
}

TEST(AppendLine, TwoProcessesSavingAtOnceNeverTearALine) {
    TempDir dir;
    const auto path = dir.path() / "saved.txt";
    const std::u16string lines[] = {std::u16string(300, u'a'), std::u16string(300, u'b')};
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = ::fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            for (int i = 0; i < 1000; ++i)
                if (AppendLine(path, lines[child]))
                    ::_exit(1);
            ::_exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    std::istringstream saved(dir.read("saved.txt"));
    int count[2] = {0, 0};
    for (std::string line; std::getline(saved, line);) {
        ASSERT_TRUE(line == std::string(300, 'a') + "\r" || line == std::string(300, 'b') + "\r")
            << "a torn line";
        ++count[line[0] - 'a'];
    }
    EXPECT_EQ(count[0], 1000);
    EXPECT_EQ(count[1], 1000);
}

} // namespace
