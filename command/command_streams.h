#pragma once

#include "system_stream.h"

#include <string>
#include <string_view>
#include <system_error>

// The command's standard output and standard error, each written as its system wants text:
// UTF-8 with LF on Linux; on Windows Unicode to a console and UTF-8 with CR LF elsewhere.
// Standard output is buffered, but a line reaches a terminal at once.
class CommandStreams {
public:
    CommandStreams();

    // Writes a line and the line end to standard output. False once the output takes no
    // more: closed by its reader (closed()), or failed (error()).
    bool print(std::u16string_view line) { return print(line, kLineEnd); }
    // The same with another end, as NUL.
    bool print(std::u16string_view line, std::u16string_view end);

    // Writes what is still buffered; false as print. Once a stop is asked, the output takes
    // no more after that.
    bool flush();

    bool closed() const { return error_ == std::errc::broken_pipe; }
    std::error_code error() const { return error_; }

    // Writes a line to standard error at once, after the command's name unless told not to.
    void printError(std::u16string_view line, bool named = true);

private:
    StreamKind outputKind_ = StreamKind::File;
    std::string buffer_;        // UTF-8
    std::u16string wideBuffer_; // for a wide console
    std::error_code error_;
};

// Says that `what` could not be written, unless its reader has gone; returns the command's
// status.
int CannotWrite(CommandStreams &streams, std::u16string_view what);
