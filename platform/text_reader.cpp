#include "text_reader.h"

#include "text_encoding.h"

#include <algorithm>

namespace {

constexpr size_t kChunkBytes = 1 << 16;

} // namespace

TextReader::TextReader(const ByteSource &source) : source_(source) {
    char mark[3] = {};
    const size_t count = source_.read(0, mark, sizeof mark);
    const std::string_view start(mark, count);
    if (start.starts_with("\xFF\xFE")) {
        encoding_ = Encoding::Utf16LittleEndian;
        origin_ = 2;
    } else if (start.starts_with("\xFE\xFF")) {
        encoding_ = Encoding::Utf16BigEndian;
        origin_ = 2;
    } else if (start.starts_with("\xEF\xBB\xBF")) {
        origin_ = 3;
    }
    // A short text needs no more than its own size: loading a small list stays cheap.
    bytes_.resize(std::min<uint64_t>(kChunkBytes, source_.size() + 1));
}

size_t TextReader::readUnits(uint64_t position, size_t count, char *into) const {
    const size_t bytes = source_.read(origin_ + position * unitBytes(), into, count * unitBytes());
    return bytes / unitBytes(); // an odd last byte of UTF-16 is no unit
}

void TextReader::toUnits(const char *bytes, size_t count, char16_t *out) const {
    const auto *b = reinterpret_cast<const unsigned char *>(bytes);
    switch (encoding_) {
    case Encoding::EightBit:
        std::copy_n(b, count, out);
        break;
    case Encoding::Utf16LittleEndian:
        for (size_t i = 0; i < count; ++i)
            out[i] = static_cast<char16_t>(b[2 * i] | b[2 * i + 1] << 8);
        break;
    case Encoding::Utf16BigEndian:
        for (size_t i = 0; i < count; ++i)
            out[i] = static_cast<char16_t>(b[2 * i] << 8 | b[2 * i + 1]);
        break;
    }
}

std::u16string_view TextReader::next() {
    const size_t count = readUnits(nextStart_, bytes_.size() / unitBytes(), bytes_.data());
    chunkStart_ = nextStart_;
    nextStart_ += count;
    units_.resize(count);
    toUnits(bytes_.data(), count, units_.data());
    return units_;
}

size_t TextReader::decode(uint64_t begin, uint64_t end, char16_t *out) const {
    const size_t count = end - begin;
    const bool inChunk = begin >= chunkStart_ && end <= chunkStart_ + units_.size();
    if (encoding_ == Encoding::EightBit) {
        if (inChunk)
            return EightBitToUtf16({bytes_.data() + (begin - chunkStart_), count}, out);
        return decodeEightBit(begin, end, out);
    }
    if (inChunk) {
        std::copy_n(units_.data() + (begin - chunkStart_), count, out);
        return count;
    }
    std::vector<char> piece(kChunkBytes);
    size_t written = 0;
    while (written < count) {
        const size_t read =
            readUnits(begin + written, std::min(count - written, kChunkBytes / 2), piece.data());
        if (read == 0)
            break;
        toUnits(piece.data(), read, out + written);
        written += read;
    }
    return written;
}

// A line longer than a chunk, read again piece by piece. The line is UTF-8 only if all of it
// is, so a piece that is not sends the whole line back to be read as Windows-1252.
size_t TextReader::decodeEightBit(uint64_t begin, uint64_t end, char16_t *out) const {
    std::vector<char> piece(kChunkBytes);
    size_t written = 0;
    for (uint64_t at = begin; at < end;) {
        const size_t read = readUnits(at, std::min<uint64_t>(end - at, kChunkBytes), piece.data());
        if (read == 0)
            return written;
        std::string_view bytes(piece.data(), read);
        if (at + read < end)
            bytes.remove_suffix(CutUtf8Sequence(bytes));
        const size_t decoded = Utf8ToUtf16(bytes, out + written);
        if (decoded == kNotUtf8 || bytes.empty())
            break;
        written += decoded;
        at += bytes.size();
        if (at == end)
            return written;
    }
    written = 0;
    for (uint64_t at = begin; at < end;) {
        const size_t read = readUnits(at, std::min<uint64_t>(end - at, kChunkBytes), piece.data());
        if (read == 0)
            break;
        Cp1252ToUtf16({piece.data(), read}, out + written);
        written += read;
        at += read;
    }
    return written;
}
