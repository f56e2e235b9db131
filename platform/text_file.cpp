#include "text_file.h"

#include "text_encoding.h"

#include <algorithm>
#include <cctype>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool EqualIgnoringCase(const std::string &a, const std::string &b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
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

bool LineReader::open(const fs::path &path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return false;
    stream_.open(path, std::ios::binary);
    return stream_.is_open();
}

bool LineReader::readLine(std::u16string &line) {
    std::string_view bytes;
    if (!readLineBytes(bytes))
        return false;
    if (atStart_ && bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    atStart_ = false;
    DecodeLine(bytes, line);
    return true;
}

bool LineReader::fill() {
    stream_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    position_ = 0;
    filled_ = static_cast<size_t>(stream_.gcount());
    return filled_ > 0;
}

bool LineReader::readLineBytes(std::string_view &bytes) {
    spanning_.clear();
    for (;;) {
        if (position_ == filled_ && !fill()) {
            bytes = spanning_;
            return !spanning_.empty();
        }
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (buffer_[position_] == '\n' && ++position_ == filled_)
                continue;
        }
        const char *start = buffer_.data() + position_;
        const char *stop = buffer_.data() + filled_;
        const char *end = std::find_if(start, stop, [](char c) { return c == '\n' || c == '\r'; });
        if (end == stop) {
            spanning_.append(start, stop);
            position_ = filled_;
            continue;
        }
        skipLineFeed_ = *end == '\r';
        position_ = static_cast<size_t>(end - buffer_.data()) + 1;
        if (spanning_.empty()) {
            bytes = std::string_view(start, static_cast<size_t>(end - start));
        } else {
            spanning_.append(start, end);
            bytes = spanning_;
        }
        return true;
    }
}

std::error_code AppendLine(const fs::path &path, std::u16string_view text) {
    // A line end inside the text would split it into two saved lines.
    std::u16string oneLine(text);
    std::replace(oneLine.begin(), oneLine.end(), u'\r', u' ');
    std::replace(oneLine.begin(), oneLine.end(), u'\n', u' ');
    const std::string line = EncodeUtf8(oneLine) + "\r\n";
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return {errno, std::generic_category()};

    std::error_code result;
    const ssize_t written = ::write(fd, line.data(), line.size());
    if (written < 0)
        result = {errno, std::generic_category()};
    else if (static_cast<size_t>(written) != line.size())
        result = std::make_error_code(std::errc::no_space_on_device);
    if (::close(fd) != 0 && !result)
        result = {errno, std::generic_category()};
    return result;
}
