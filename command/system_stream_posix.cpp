#include "system_stream.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

const std::u16string_view kLineEnd = u"\n";

namespace {

volatile std::sig_atomic_t stopSignal = 0;

// The signals that ask the command to stop: Ctrl+C, kill, the terminal's closing.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// How long the reader may take to make room for the lines already made once the command is
// asked to stop: a reader that has stalled, or a slow one, holds the command no longer than that.
constexpr std::chrono::milliseconds kLineEndWait(200);

// The bytes that end a line: LF, or NUL for the lines of -z.
constexpr std::string_view kLineEndBytes("\n\0", 2);

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

// The length of the whole lines to write at once: no more than PIPE_BUF, which a pipe takes
// whole or not at all, so that a signal never leaves half a line in it. A longer line goes
// whole, as it could not go otherwise.
size_t WholeLines(std::string_view bytes) {
    if (bytes.size() <= PIPE_BUF)
        return bytes.size();
    size_t end = bytes.find_last_of(kLineEndBytes, PIPE_BUF - 1);
    if (end == std::string_view::npos)
        end = bytes.find_first_of(kLineEndBytes, PIPE_BUF);
    return end == std::string_view::npos ? bytes.size() : end + 1;
}

// Whether the stream takes the bytes whole, so that no signal can cut their write short: a
// file does, and so does a pipe with room for all of them, as its reader has taken all before.
// A pipe without room, a socket or a terminal may take part of a write and then wait.
bool TakesWhole(int fd, size_t size) {
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        return true;
    const int room = ::fcntl(fd, F_GETPIPE_SZ);
    int unread = 0;
    return room > 0 && ::ioctl(fd, FIONREAD, &unread) == 0 && unread == 0 &&
           size <= static_cast<size_t>(room);
}

// Writes the lines already made while the reader makes room for them within the wait, which
// runs for all of them. A write no larger than PIPE_BUF never blocks once poll says that the
// stream takes more.
std::error_code FinishLines(int fd, std::string_view bytes) {
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + kLineEndWait;
    while (!bytes.empty()) {
        const auto left = ceil<milliseconds>(deadline - steady_clock::now()).count();
        pollfd output{fd, POLLOUT, 0};
        const int ready = left > 0 ? ::poll(&output, 1, static_cast<int>(left)) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0)
            return {}; // the reader is too slow, or has stalled: the lines stay unwritten
        const ssize_t written =
            ::write(fd, bytes.data(), std::min<size_t>(WholeLines(bytes), PIPE_BUF));
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
    const bool whole = TakesWhole(fd, bytes.size());
    while (!bytes.empty()) {
        if (StopSignal())
            return FinishLines(fd, bytes);
        const ssize_t written = ::write(fd, bytes.data(), whole ? bytes.size() : WholeLines(bytes));
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
