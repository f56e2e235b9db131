#include "system_stream.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

const std::u16string_view kLineEnd = u"\n";

namespace {

volatile std::sig_atomic_t stopSignal = 0;

int Descriptor(SystemStream stream) {
    return stream == SystemStream::Output ? STDOUT_FILENO : STDERR_FILENO;
}

} // namespace

void PrepareStreams() {
    // A reader that closes the pipe ends the command through the write's error, quietly,
    // rather than by a signal.
    std::signal(SIGPIPE, SIG_IGN);
    // SIGINT and SIGTERM are noted, and interrupt a write that waits for a slow reader (no
    // SA_RESTART), which then finishes only its line.
    struct sigaction action {};
    action.sa_handler = [](int signal) { stopSignal = signal; };
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

int StopSignal() {
    return stopSignal;
}

StreamKind KindOf(SystemStream stream) {
    return ::isatty(Descriptor(stream)) ? StreamKind::Terminal : StreamKind::File;
}

std::error_code WriteBytes(SystemStream stream, std::string_view bytes) {
    bool lineBegun = false;
    while (!bytes.empty()) {
        if (StopSignal()) {
            // Asked to stop: only the rest of the line begun goes out.
            if (!lineBegun)
                break;
            if (const size_t end = bytes.find('\n'); end != bytes.npos)
                bytes = bytes.substr(0, end + 1);
        }
        const ssize_t written = ::write(Descriptor(stream), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return {written < 0 ? errno : EIO, std::generic_category()};
        lineBegun = bytes[static_cast<size_t>(written) - 1] != '\n';
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return {};
}

std::error_code WriteWide(SystemStream, std::u16string_view) {
    return std::make_error_code(std::errc::not_supported); // no such stream here
}
