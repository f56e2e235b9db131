#include "support/temp_dir.h"
#ifndef _WIN32
#include "support/ordinary_user_test.h"
#endif

#include "platform/byte_source.h"
#include "platform/one_line.h"
#include "platform/text_encoding.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <sstream>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/file.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

TEST(FileBytes, OpensOnlyRegularFilesWithoutBlocking) {
    TempDir dir;
    FileBytes file;
    ASSERT_TRUE(file.open(dir.write("list", "J vile")));
    char bytes[8] = {};
    EXPECT_EQ(file.read(2, bytes, sizeof bytes), 4u);
    EXPECT_EQ(std::string_view(bytes, 4), "vile");
    EXPECT_FALSE(FileBytes().open(dir.path() / "missing"));
    std::filesystem::create_directory(dir.path() / "folder");
    EXPECT_FALSE(FileBytes().open(dir.path() / "folder"));
#ifdef _WIN32
    EXPECT_FALSE(FileBytes().open("NUL")); // a device
#else
    ASSERT_EQ(::mkfifo((dir.path() / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(FileBytes().open(dir.path() / "pipe")); // must not wait for a writer
    EXPECT_FALSE(FileBytes().open("/dev/zero"));
#endif
}

TEST(FindFileIgnoringCase, PrefersTheExactNameThenAnyCase) {
    TempDir dir;
    EXPECT_EQ(FindFileIgnoringCase(dir.path(), "wordlist.txt"), dir.path() / "wordlist.txt");
    dir.write("WordList.TXT", "");
    dir.write("WORDLIST.TXT", "");
#ifdef _WIN32
    // The file system ignores case: the exact name finds whichever is there.
    EXPECT_EQ(FindFileIgnoringCase(dir.path(), "wordlist.txt"), dir.path() / "wordlist.txt");
#else
    EXPECT_EQ(FindFileIgnoringCase(dir.path(), "wordlist.txt"), dir.path() / "WORDLIST.TXT");
    dir.write("wordlist.txt", "");
    EXPECT_EQ(FindFileIgnoringCase(dir.path(), "wordlist.txt"), dir.path() / "wordlist.txt");
#endif
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
    EXPECT_EQ(dir.read("saved.txt"), "two lines \r\n");
}

TEST(AppendLine, StartsALineOfItsOwnInTheFilesOwnEncoding) {
    struct Row {
        std::string before, after;
    } rows[] = {
        {"", "oaf\r\n"},
        {"old\r\n", "old\r\noaf\r\n"},
        {"old", "old\r\noaf\r\n"}, // a last line typed without a line end
        {"old\n", "old\noaf\r\n"},
        {"old\r", "old\roaf\r\n"}, // a lone CR ends the line too
        {"\xEF\xBB\xBF", "\xEF\xBB\xBFoaf\r\n"},
        {"\xFF\xFE", std::string("\xFF\xFEo\0a\0f\0\r\0\n\0", 12)},
        {std::string("\xFF\xFEx\0", 4), std::string("\xFF\xFEx\0\r\0\n\0o\0a\0f\0\r\0\n\0", 18)},
        {std::string("\xFE\xFF\0x\0\n", 6), std::string("\xFE\xFF\0x\0\n\0o\0a\0f\0\r\0\n", 16)},
        {std::string("\xFF\xFE\x0A\x01", 4), // U+010A, no line end
         std::string("\xFF\xFE\x0A\x01\r\0\n\0o\0a\0f\0\r\0\n\0", 18)},
    };
    for (const Row &row : rows) {
        TempDir dir;
        const auto path = dir.write("saved.txt", row.before);
        EXPECT_FALSE(AppendLine(path, u"oaf"));
        EXPECT_EQ(dir.read("saved.txt"), row.after) << row.before;
    }
}

// A line in UTF-8 or UTF-16 would be unreadable in these, or unsettle what follows it.
TEST(AppendLine, LeavesAFileAloneThatALineCouldNotJoin) {
    const std::string files[] = {
        std::string("\xFF\xFE\0\0x\0\0\0", 8), // UTF-32, either byte order
        std::string("\0\0\xFE\xFF\0\0\0x", 8), std::string("\xFF\xFEx\0y", 5), // UTF-16 cut short
        std::string("x\0y\0", 4), // UTF-16 without its mark
    };
    for (const std::string &before : files) {
        TempDir dir;
        const auto path = dir.write("saved.txt", before);
        EXPECT_EQ(AppendLine(path, u"oaf"), FileFault::ForeignEncoding) << before.size();
        EXPECT_EQ(dir.read("saved.txt"), before);
    }
}

TEST(OneLine, MakesEveryReaderSeeOneLineThatClosesWhatItOpens) {
    const struct {
        std::u16string text, line;
    } rows[] = {
        {u"a\r\nb\rc\nd", u"a b c d"},
        {std::u16string(u"a\0b\x01\x1B[31m\x7F\x85\u2028\u2029\v\f", 15), u"a b  [31m      "},
        {u"tab\tkept", u"tab\tkept"},
        {u"lone \xD800 and \xDC00", u"lone \xFFFD and \xFFFD"},
        {u"pair \xD83D\xDE00 kept", u"pair \xD83D\xDE00 kept"},
        {u"\u202Eopen", u"open"},
        {u"\u202Eclosed\u202C", u"\u202Eclosed\u202C"},
        {u"\u2067\u202Bboth\u2069", u"\u2067\u202Bboth\u2069"},
        {u"\u202B\u2067inner\u2069", u"\u2067inner\u2069"},
        {u"\u2066isolate\u202C", u"isolate\u202C"}, // PDF closes embeddings, not isolates
        {u"\u2066left\u2069", u"\u2066left\u2069"}, // LRI is an isolate, closed by PDI
    };
    for (const auto &row : rows)
        EXPECT_EQ(OneLine(row.text), row.line);
}

TEST(AppendLine, ReportsWhyAFileCannotBeWritten) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "saved.txt");
#ifdef _WIN32
    // Windows tells a folder and a missing folder apart only in its own codes.
    EXPECT_TRUE(AppendLine(dir.path() / "saved.txt", u"x"));
    EXPECT_TRUE(AppendLine(dir.path() / "no" / "saved.txt", u"x"));
    EXPECT_EQ(AppendLine("NUL", u"x"), FileFault::NotARegularFile); // a device
#else
    EXPECT_EQ(AppendLine(dir.path() / "saved.txt", u"x"), std::errc::is_a_directory);
    EXPECT_EQ(AppendLine(dir.path() / "no" / "saved.txt", u"x"),
              std::errc::no_such_file_or_directory);
    // Both fail for root too, whom permission bits do not stop.
    std::filesystem::create_symlink(dir.path() / "gone" / "saved.txt", dir.path() / "dangling");
    EXPECT_EQ(AppendLine(dir.path() / "dangling", u"x"), std::errc::no_such_file_or_directory);
#endif
}

#ifndef _WIN32 // permission bits; Windows has access-control lists instead
// A file that may be written but not read is appended to all the same, as if it ended its line.
TEST(AppendLine, AppendsToAFileThatMayBeWrittenButNotRead) {
    if (RanAgainAsOrdinaryUser())
        return;
    TempDir dir;
    const auto path = dir.write("saved.txt", "old\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_write);
    EXPECT_FALSE(AppendLine(path, u"oaf"));
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    EXPECT_EQ(dir.read("saved.txt"), "old\r\noaf\r\n");
}
#endif

// Another program's lock, of each kind programs take, as a second handle of this one holds it.
enum class LockKind { Exclusive, Shared, Record, SharedRecord };
#ifdef _WIN32
constexpr LockKind kLockKinds[] = {LockKind::Exclusive, LockKind::Shared};
#else
// flock's, and fcntl's record locks as lockf takes them (of the process, not the open file).
constexpr LockKind kLockKinds[] = {LockKind::Exclusive, LockKind::Shared, LockKind::Record,
                                   LockKind::SharedRecord};
#endif

class ForeignLock {
public:
#ifdef _WIN32
    ForeignLock(const std::filesystem::path &path, LockKind kind)
        : file_(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr)) {
        OVERLAPPED whole{};
        locked_ = ::LockFileEx(file_, kind == LockKind::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0, 0,
                               MAXDWORD, MAXDWORD, &whole);
    }
    ~ForeignLock() {
        release();
    }
    void release() {
        if (file_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE file_;
#else
    ForeignLock(const std::filesystem::path &path, LockKind kind)
        : fd_(::open(path.c_str(), O_RDWR)) {
        if (kind == LockKind::Exclusive || kind == LockKind::Shared) {
            locked_ = ::flock(fd_, kind == LockKind::Exclusive ? LOCK_EX : LOCK_SH) == 0;
            return;
        }
        struct flock whole {};
        whole.l_type = kind == LockKind::Record ? F_WRLCK : F_RDLCK;
        whole.l_whence = SEEK_SET;
        locked_ = ::fcntl(fd_, F_SETLK, &whole) == 0;
    }
    ~ForeignLock() {
        release();
    }
    void release() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
#endif
public:
    bool locked() const {
        return locked_;
    }

private:
    bool locked_ = false;
};

TEST(AppendLine, GivesUpOnAnotherProgramsLockAfterItsWaitAndWritesNothing) {
    for (const LockKind kind : kLockKinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        TempDir dir;
        const auto saved = dir.write("saved.txt", "old\r\n");
        {
            const ForeignLock lock(saved, kind);
            ASSERT_TRUE(lock.locked());
            const auto start = std::chrono::steady_clock::now();
            EXPECT_EQ(AppendLine(saved, u"new"), FileFault::LockedByAnother);
            // Two seconds, as the README promises: however busy the machine, not before they
            // are out, nor long after.
            const auto waited = std::chrono::steady_clock::now() - start;
            EXPECT_GE(waited, std::chrono::seconds(2));
            EXPECT_LT(waited, std::chrono::seconds(3));
            EXPECT_EQ(dir.read("saved.txt"), "old\r\n");
        }
        EXPECT_FALSE(AppendLine(saved, u"new"));
        EXPECT_EQ(dir.read("saved.txt"), "old\r\nnew\r\n");
    }
}

TEST(AppendLine, SavesOnceAnotherProgramLetsGoOfItsLockWithinTheWait) {
    for (const LockKind kind : kLockKinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        TempDir dir;
        const auto saved = dir.write("saved.txt", "old\r\n");
        ForeignLock lock(saved, kind);
        ASSERT_TRUE(lock.locked());
        std::thread other([&lock] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            lock.release();
        });
        EXPECT_FALSE(AppendLine(saved, u"new"));
        other.join();
        EXPECT_EQ(dir.read("saved.txt"), "old\r\nnew\r\n");
    }
}

#ifndef _WIN32
// Pipes, devices by path and file-size limits, which Windows lacks or spells otherwise.
TEST(AppendLine, RefusesWhatIsNotARegularFileWithoutBlocking) {
    TempDir dir;
    const auto pipe = dir.path() / "saved.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(AppendLine(pipe, u"x"), FileFault::NotARegularFile); // no reader
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(AppendLine(pipe, u"x"), FileFault::NotARegularFile); // a reader waiting
    ::close(reader);
    EXPECT_EQ(AppendLine("/dev/full", u"x"), FileFault::NotARegularFile);
    EXPECT_EQ(make_error_code(FileFault::NotARegularFile).message(), "Not a regular file");
}

TEST(AppendLine, LeavesTheFileAsItWasWhenTheLineDoesNotFit) {
    // A file-size limit stands in for a full disk: the write stops part of the way, after one
    // byte or after several.
    for (const rlim_t limit : {6, 20}) {
        TempDir dir;
        const auto path = dir.write("saved.txt", "old\r\n");
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &size);
            const bool refused =
                AppendLine(path, std::u16string(40, u'x')) == std::errc::file_too_large;
            const bool fits = limit < 12 || !AppendLine(path, u"short");
            ::_exit(refused && fits ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << limit;
        EXPECT_EQ(dir.read("saved.txt"), limit < 12 ? "old\r\n" : "old\r\nshort\r\n") << limit;
    }
}

#endif

TEST(AppendLine, TwoWritersSavingAtOnceNeverTearALine) {
    // Each save opens the file for itself, as two programs would.
    TempDir dir;
    const auto path = dir.path() / "saved.txt";
    const std::u16string lines[] = {std::u16string(300, u'a'), std::u16string(300, u'b')};
    std::atomic<int> failures = 0;
    std::vector<std::thread> writers;
    for (const std::u16string &line : lines)
        writers.emplace_back([&path, &line, &failures] {
            for (int i = 0; i < 1000; ++i)
                if (AppendLine(path, line))
                    ++failures;
        });
    for (std::thread &writer : writers)
        writer.join();
    ASSERT_EQ(failures, 0);

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
