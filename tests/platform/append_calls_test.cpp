// What AppendLine asks of the system, seen by standing in for two of its calls: this program's
// own write and fdatasync come before the C library's.
#include "support/temp_dir.h"

#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

int flushes = 0;            // of the file being saved to
bool writesNothing = false; // write returns 0, as no regular file should

} // namespace

extern "C" ssize_t write(int fd, const void *bytes, size_t count) {
    if (writesNothing)
        return 0;
    return syscall(SYS_write, fd, bytes, count);
}

extern "C" int fdatasync(int fd) {
    ++flushes;
    return static_cast<int>(syscall(SYS_fdatasync, fd));
}

namespace {

TEST(AppendLine, FlushesTheLineToTheDiskBeforeItReturns) {
    TempDir dir;
    flushes = 0;
    EXPECT_FALSE(AppendLine(dir.path() / "saved.txt", u"oaf"));
    EXPECT_EQ(flushes, 1);
}

TEST(AppendLine, TakesAWriteOfNothingForAFailure) {
    TempDir dir;
    const auto path = dir.write("saved.txt", "old\r\n");
    writesNothing = true;
    const std::error_code error = AppendLine(path, u"oaf");
    writesNothing = false;
    EXPECT_TRUE(error);
    EXPECT_EQ(dir.read("saved.txt"), "old\r\n");
}

} // namespace
