#include "byte_source.h"

#include "text_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileBytes::~FileBytes() {
    if (handle_ != -1)
        ::close(static_cast<int>(handle_));
}

bool FileBytes::open(const std::filesystem::path &path, std::error_code *why) {
    const auto fail = [why](std::error_code error) {
        if (why)
            *why = error;
        return false;
    };
    // Opening a pipe for reading waits for a writer, unless told not to.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return fail({errno, std::generic_category()});
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return fail(S_ISDIR(status.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                                            : make_error_code(FileFault::NotARegularFile));
    }
    handle_ = fd;
    size_ = static_cast<uint64_t>(status.st_size);
    return true;
}

bool StreamBytes::open(const std::filesystem::path *path, std::error_code *why, bool (*stopAsked)(),
                       uint64_t longestLine) {
    const int fd = path ? ::open(path->c_str(), O_RDONLY | O_CLOEXEC) : STDIN_FILENO;
    int error = fd < 0 ? errno : 0;
    char chunk[1 << 16];
    // A signal that interrupts the wait (the command's Ctrl+C) ends it, as a reader waiting on a
    // terminal must be stoppable; a read that returns data is never interrupted, so the flag is
    // looked at too.
    while (!error) {
        if (stopAsked && stopAsked()) {
            error = EINTR;
            break;
        }
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count <= 0) {
            error = count < 0 ? errno : 0;
            break;
        }
        if (!keep(chunk, static_cast<size_t>(count), longestLine))
            break;
    }
    if (path && fd >= 0)
        ::close(fd);
    if (error && why)
        *why = {error, std::generic_category()};
    return !error;
}

size_t FileBytes::read(uint64_t offset, char *into, size_t length) const {
    const int fd = static_cast<int>(handle_);
    size_t done = 0;
    while (done < length) {
        const ssize_t count =
            ::pread(fd, into + done, length - done, static_cast<off_t>(offset + done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        done += static_cast<size_t>(count);
    }
    return done;
}
