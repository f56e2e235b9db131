#include "system_stream.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <poll.h>
#include <unistd.h>

const std::u16string_view kLineEnd = u"\n";

namespace {

volatile std::sig_atomic_t stopSignal = 0;

// The signals that ask the command to stop: Ctrl+C, kill, the terminal's closing.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// How long the reader may take to make room for more of the lines already made once the command
// is asked to stop: a reader that has stalled holds the command no longer than that.
constexpr std::chrono::milliseconds kLineEndWait(200);

// The first signal asks the command to stop; a second ends it at once.
void NoteStop(int signal) {
    if (stopSignal) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    stopSignal = signal;
}

int Descriptor(SystemStream stream) {
    return stream == SystemStream::Output ? STDOUT_FILENO : STDERR_FILENO;
}

// Writes the lines already made, while the reader takes each piece within the wait. A write no
// larger than PIPE_BUF never blocks once poll says that the stream takes more.
std::error_code FinishLines(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        pollfd output{fd, POLLOUT, 0};
        const int ready = ::poll(&output, 1, static_cast<int>(kLineEndWait.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0)
            return {}; // the reader has stalled: the lines stay unwritten
        const ssize_t written = ::write(fd, bytes.data(), std::min<size_t>(bytes.size(), PIPE_BUF));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return {written < 0 ? errno : EIO, std::generic_category()};
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return {};
}

} // namespace

void PrepareStreams() {
    // A reader that closes the pipe ends the command through the write's error, quietly,
    // rather than by a signal.
    std::signal(SIGPIPE, SIG_IGN);
    // The stop signals are noted, and interrupt a write that waits for a slow reader (no
    // SA_RESTART), which then finishes only its line. One that the caller ignores, as nohup
    // does SIGHUP, stays ignored.
    struct sigaction action {};
    action.sa_handler = NoteStop;
    sigemptyset(&action.sa_mask);
    for (const int signal : kStopSignals)
        sigaddset(&action.sa_mask, signal); // one at a time, so that the first is told apart
    for (const int signal : kStopSignals) {
        struct sigaction before {};
        if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

int StopSignal() {
    return stopSignal;
}

void EndByStopSignal() {
    if (const int signal = stopSignal) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

StreamKind KindOf(SystemStream stream) {
    return ::isatty(Descriptor(stream)) ? StreamKind::Terminal : StreamKind::File;
}

std::error_code WriteBytes(SystemStream stream, std::string_view bytes) {
    const int fd = Descriptor(stream);
    while (!bytes.empty()) {
        if (StopSignal())
            return FinishLines(fd, bytes);
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
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
