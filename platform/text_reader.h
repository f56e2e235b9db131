#pragma once

#include "byte_source.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reads a text in chunks of code units. Without a byte-order mark the units are its bytes, and
// each line is UTF-8 or, failing that, Windows-1252; a UTF-8 mark is skipped. After a UTF-16
// mark, in either byte order, the units are UTF-16. Positions count units from the first one
// after the mark, so a caller can find lines in the chunks and decode just the part it keeps:
// a line of any length never has to be held twice.
class TextReader {
public:
    explicit TextReader(const ByteSource &source);

    // What the byte-order mark said: 8-bit units, or UTF-16 in either byte order.
    enum class Encoding { EightBit, Utf16LittleEndian, Utf16BigEndian };
    Encoding encoding() const { return encoding_; }

    // The next chunk of units, empty once the text has been read.
    std::u16string_view next();

    // The position of the first unit of the chunk `next` returned last.
    uint64_t chunkStart() const { return chunkStart_; }

    // Decodes units [begin, end) of one line into `out`, which has room for end - begin units;
    // returns the units written, fewer where several UTF-8 bytes make one character.
    size_t decode(uint64_t begin, uint64_t end, char16_t *out) const;

private:
    int unitBytes() const { return encoding_ == Encoding::EightBit ? 1 : 2; }
    size_t readUnits(uint64_t position, size_t count, char *into) const;
    void toUnits(const char *bytes, size_t count, char16_t *out) const;
    size_t decodeEightBit(uint64_t begin, uint64_t end, char16_t *out) const;

    const ByteSource &source_;
    Encoding encoding_ = Encoding::EightBit;
    uint64_t origin_ = 0; // bytes of the byte-order mark
    uint64_t chunkStart_ = 0;
    uint64_t nextStart_ = 0;
    std::vector<char> bytes_; // of the current chunk
    std::u16string units_;    // of the current chunk
};
