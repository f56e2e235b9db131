#pragma once

#include <string_view>
#include <system_error>

// The system's side of the command's two standard streams.
enum class SystemStream { Output, Error };

enum class StreamKind {
    File,        // a file or a pipe: UTF-8, written in large pieces
    Terminal,    // UTF-8, each line at once
    WideConsole, // a Windows console, which takes UTF-16 so that every character shows
};

// Readies the streams for the calls below, once, before any of them.
void PrepareStreams();

// The signal that asked the command to stop, SIGINT (Ctrl+C), SIGTERM or SIGHUP, or 0. Output
// then ends after the lines already made, as many as the reader takes within a moment, and
// never half a line in a pipe but a line longer than PIPE_BUF; a second signal ends the command
// at once.
int StopSignal();

// Whether a signal has asked the command to stop: what the loader and the checker ask.
inline bool StopAsked() {
    return StopSignal() != 0;
}

// Ends the command by the signal that asked it to stop, as shells and make expect of a program
// they stopped; returns where none did, and on Windows, whose status says it.
void EndByStopSignal();

// The same at once, where the command has nothing left to write: what it holds is not freed
// first, which takes seconds for millions of words. Returns the status where it returns.
inline int EndStopped() {
    EndByStopSignal();
    return 1;
}

StreamKind KindOf(SystemStream stream);

// The system's line end: LF, or CR LF on Windows.
extern const std::u16string_view kLineEnd;

// Writes all the bytes, or the units to a wide console, which hold whole lines: once the command
// is asked to stop, only those that the reader takes within a moment, and only whole lines
// where they fit a pipe's atomic write.
// std::errc::broken_pipe means that the reader has closed the stream.
std::error_code WriteBytes(SystemStream stream, std::string_view bytes);
std::error_code WriteWide(SystemStream stream, std::u16string_view units);
