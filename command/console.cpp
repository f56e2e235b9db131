#include "console.h"

#include "platform/text_encoding.h"

namespace {

// Large enough that a million epithets take a few hundred writes.
constexpr size_t kBufferBytes = 1 << 16;

// Adds a line and the line end to the buffer that the stream's kind takes.
void AddLine(StreamKind kind, std::u16string_view line, std::string &bytes, std::u16string &units) {
    if (kind == StreamKind::WideConsole) {
        units += line;
        units += kLineEnd;
    } else {
        AppendUtf8(line, bytes);
        AppendUtf8(kLineEnd, bytes);
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

Console::Console() {
    PrepareStreams();
    outputKind_ = KindOf(SystemStream::Output);
    buffer_.reserve(kBufferBytes + 4096);
}

bool Console::print(std::u16string_view line) {
    if (error_)
        return false;
    AddLine(outputKind_, line, buffer_, wideBuffer_);
    if (outputKind_ == StreamKind::File && buffer_.size() < kBufferBytes)
        return true;
    return flush();
}

bool Console::flush() {
    if (!error_)
        error_ = WriteOut(SystemStream::Output, buffer_, wideBuffer_);
    return !error_;
}

void Console::complain(std::u16string_view line, bool named) {
    std::string bytes;
    std::u16string units;
    AddLine(KindOf(SystemStream::Error), (named ? u"vilify: " : u"") + std::u16string(line), bytes,
            units);
    WriteOut(SystemStream::Error, bytes, units); // nowhere left to say that this failed
}
