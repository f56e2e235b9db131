#include "byte_source.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

size_t MemoryBytes::read(uint64_t offset, char *into, size_t length) const {
    if (offset >= bytes_.size())
        return 0;
    const size_t count = std::min<uint64_t>(length, bytes_.size() - offset);
    std::copy_n(bytes_.data() + offset, count, into);
    return count;
}

FileBytes::~FileBytes() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool FileBytes::open(const std::filesystem::path &path) {
    // Opening a pipe for reading waits for a writer, unless told not to.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0)
        return false;
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    size_ = static_cast<uint64_t>(status.st_size);
    return true;
}

size_t FileBytes::read(uint64_t offset, char *into, size_t length) const {
    size_t done = 0;
    while (done < length) {
        const ssize_t count =
            ::pread(fd_, into + done, length - done, static_cast<off_t>(offset + done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        done += static_cast<size_t>(count);
    }
    return done;
}
