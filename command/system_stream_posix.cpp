#include "system_stream.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

const std::u16string_view kLineEnd = u"\n";

namespace {

int Descriptor(SystemStream stream) {
    return stream == SystemStream::Output ? STDOUT_FILENO : STDERR_FILENO;
}

} // namespace

void PrepareStreams() {
    // A reader that closes the pipe ends the command through the write's error, quietly,
    // rather than by a signal.
    std::signal(SIGPIPE, SIG_IGN);
}

StreamKind KindOf(SystemStream stream) {
    return ::isatty(Descriptor(stream)) ? StreamKind::Terminal : StreamKind::File;
}

std::error_code WriteBytes(SystemStream stream, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(Descriptor(stream), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return {written < 0 ? errno : EIO, std::generic_category()};
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return {};
}

std::error_code WriteWide(SystemStream, std::u16string_view) {
    return std::make_error_code(std::errc::not_supported); // no such stream here
}
