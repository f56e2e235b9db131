#include "append_whole.h"

#include "deadline_call_posix.h"
#include "text_file.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes all of `line`, or as much as fits before the disk or a limit runs out: a regular
// file takes less than the whole only then, and the next write says why.
std::error_code WriteAll(int fd, std::string_view line, size_t &written) {
    while (written < line.size()) {
        const ssize_t count = ::write(fd, line.data() + written, line.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return {errno, std::generic_category()};
        if (count == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        written += static_cast<size_t>(count);
    }
    return {};
}

std::string ReadAt(int fd, uint64_t offset, size_t count) {
    std::string bytes(count, '\0');
    const ssize_t read = ::pread(fd, bytes.data(), count, static_cast<off_t>(offset));
    bytes.resize(read > 0 ? static_cast<size_t>(read) : 0);
    return bytes;
}

// Takes the file's turn, with both kinds of lock that programs take, so that programs using
// either are waited on: flock's, and fcntl's (lockf's), here of the open file rather than the
// process. The system does not queue its waiters: a copy that saves again at once could take
// the lock back before a waiter wakes, for ever. So the flock is a turnstile, kept only while
// waiting for the record lock: a copy coming back finds it held by the waiter and must wait
// behind it. ETIMEDOUT when someone held on past kTurnWait; a file system without locks lets
// the save go on without its turn, as appending is whole all the same.
int TakeTurn(int fd) {
    const auto deadline = std::chrono::steady_clock::now() + kTurnWait;
    const int error = CallBefore(deadline, [fd] { return ::flock(fd, LOCK_EX); });
    if (error == ETIMEDOUT)
        return error;
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    const int turn =
        CallBefore(deadline, [fd, &whole] { return ::fcntl(fd, F_OFD_SETLKW, &whole); });
    ::flock(fd, LOCK_UN);
    return turn;
}

} // namespace

std::error_code AppendWhole(const std::filesystem::path &path,
                            const std::function<std::string(const FileEnds &)> &bytesFor) {
    // Without O_NONBLOCK, opening a pipe would wait for a reader for ever; with it, a pipe
    // without one fails at once (ENXIO). A file that may be written but not read is appended
    // to all the same, as if it ended its last line.
    constexpr int kFlags = O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK;
    int fd = ::open(path.c_str(), O_RDWR | kFlags, 0666);
    if (fd < 0 && errno == EACCES)
        fd = ::open(path.c_str(), O_WRONLY | kFlags, 0666);
    if (fd < 0)
        return errno == ENXIO ? make_error_code(FileFault::NotARegularFile)
                              : std::error_code(errno, std::generic_category());
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return make_error_code(FileFault::NotARegularFile);
    }

    // Copies saving at once take turns, so that none reads the file's end while another's line
    // is half written; appending would keep lines whole without, but not the line end's test.
    if (TakeTurn(fd) == ETIMEDOUT) {
        ::close(fd);
        return make_error_code(FileFault::LockedByAnother);
    }
    if (::fstat(fd, &status) != 0) {
        ::close(fd);
        return {errno, std::generic_category()};
    }
    FileEnds ends;
    ends.size = static_cast<uint64_t>(status.st_size);
    ends.head = ReadAt(fd, 0, 4);
    ends.tail = ReadAt(fd, ends.size - std::min<uint64_t>(ends.size, 2), 2);
    const std::string bytes = bytesFor(ends);

    size_t written = 0;
    std::error_code result = WriteAll(fd, bytes, written);
    if (!result && ::fdatasync(fd) != 0)
        result = {errno, std::generic_category()};
    if (result && written > 0) {
        // Appending leaves the offset at the end of this line, even if another program has
        // appended since, so this cuts off exactly what was written here.
        const off_t end = ::lseek(fd, 0, SEEK_CUR);
        // Should the file not go back, that is the graver news.
        if (end < 0 || ::ftruncate(fd, end - static_cast<off_t>(written)) != 0)
            result = {errno, std::generic_category()};
    }
    if (::close(fd) != 0 && !result)
        result = {errno, std::generic_category()};
    return result;
}
