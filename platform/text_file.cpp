#include "text_file.h"

#include "text_encoding.h"

#include <algorithm>
#include <cctype>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool EqualIgnoringCase(const std::string &a, const std::string &b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

class AppendCategory final : public std::error_category {
public:
    const char *name() const noexcept override { return "append"; }
    std::string message(int) const override { return "Not a regular file"; }
};

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

} // namespace

fs::path FindFileIgnoringCase(const fs::path &directory, const std::string &name) {
    const fs::path exact = directory / name;
    std::error_code error;
    if (fs::exists(exact, error))
        return exact;

    // Of several matches take the first by name, so the choice never depends on listing order.
    fs::path found;
    for (const auto &entry : fs::directory_iterator(directory, error)) {
        const fs::path candidate = entry.path();
        if (EqualIgnoringCase(candidate.filename().string(), name) &&
            (found.empty() || candidate < found))
            found = candidate;
    }
    return found.empty() ? exact : found;
}

std::error_code make_error_code(AppendFault fault) {
    static const AppendCategory category;
    return {static_cast<int>(fault), category};
}

std::error_code AppendLine(const fs::path &path, std::u16string_view text) {
    // A line end inside the text would split it into two saved lines.
    std::u16string oneLine(text);
    std::replace(oneLine.begin(), oneLine.end(), u'\r', u' ');
    std::replace(oneLine.begin(), oneLine.end(), u'\n', u' ');
    const std::string line = EncodeUtf8(oneLine) + "\r\n";

    // Without O_NONBLOCK, opening a pipe would wait for a reader for ever; with it, a pipe
    // without one fails at once (ENXIO).
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        return errno == ENXIO ? make_error_code(AppendFault::NotARegularFile)
                              : std::error_code(errno, std::generic_category());
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return make_error_code(AppendFault::NotARegularFile);
    }

    size_t written = 0;
    std::error_code result = WriteAll(fd, line, written);
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
