#include "command_streams.h"

#include "platform/display_text.h"
#include "platform/text_encoding.h"

namespace {

// Large enough that a million epithets take a few hundred writes, and small enough that a
// buffer's lines fit a pipe of the usual 64 KiB whole, in one write.
constexpr size_t kBufferBytes = 60 << 10;

// Adds a line and its end to the buffer that the stream's kind takes.
void AddLine(StreamKind kind, std::u16string_view line, std::u16string_view end, std::string &bytes,
             std::u16string &units) {
    if (kind == StreamKind::WideConsole) {
        units += line;
        units += end;
    } else {
        AppendAsUtf8(line, bytes);
        AppendAsUtf8(end, bytes);
    }
}

std::error_code WriteOut(SystemStream stream, std::string &bytes, std::u16string &units) {
    std::error_code error;
    if (!bytes.empty())
        error = WriteBytes(stream, bytes);
    if (!error && !units.empty())
        error = WriteWide(stream, units);
    bytes.clear();
    units.clear();
    return error;
}

} // namespace

CommandStreams::CommandStreams() {
    PrepareStreams();
    outputKind_ = KindOf(SystemStream::Output);
    buffer_.reserve(kBufferBytes + 4096);
}

bool CommandStreams::print(std::u16string_view line, std::u16string_view end) {
    if (error_)
        return false;
    AddLine(outputKind_, line, end, buffer_, wideBuffer_);
    if (outputKind_ == StreamKind::File && buffer_.size() < kBufferBytes)
        return true;
    return flush();
}

bool CommandStreams::flush() {
    if (!error_)
        error_ = WriteOut(SystemStream::Output, buffer_, wideBuffer_);
    // Once a stop is asked, the lines made have had their moment: later ones would wait for the
    // reader again, and a slow one would get them with a gap where lines were given up.
    if (!error_ && StopSignal())
        error_ = std::make_error_code(std::errc::operation_canceled);
    return !error_;
}

void CommandStreams::printError(std::u16string_view line, bool named) {
    std::string bytes;
    std::u16string units;
    AddLine(KindOf(SystemStream::Error), (named ? u"vilify: " : u"") + std::u16string(line),
            kLineEnd, bytes, units);
    WriteOut(SystemStream::Error, bytes, units); // nowhere left to say that this failed
}

int CannotWrite(CommandStreams &streams, std::u16string_view what) {
    if (streams.closed() || StopSignal())
        return 0; // the reader took what it wanted, as `yes | head` does, or a signal ends all
    streams.printError(u"Can't write the " + std::u16string(what) + u": " +
                       ErrorText(streams.error()) + u".");
    return 1;
}
