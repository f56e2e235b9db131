#include "byte_source.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <memory>

namespace {

constexpr uint64_t kFirstBlockBytes = uint64_t{1} << 20;

// Where block `block` of a stream's bytes begins: block k holds kFirstBlockBytes << k.
uint64_t BlockStart(size_t block) {
    return kFirstBlockBytes * ((uint64_t{1} << block) - 1);
}

// The block that holds byte `offset`.
size_t BlockHolding(uint64_t offset) {
    return std::bit_width(offset / kFirstBlockBytes + 1) - 1;
}

} // namespace

bool StreamBytes::keep(const char *chunk, size_t count, uint64_t longestLine) {
    for (size_t kept = 0; kept < count;) {
        const size_t block = BlockHolding(size_);
        if (block == blocks_.size())
            blocks_.push_back(
                std::make_unique_for_overwrite<char[]>(BlockStart(block + 1) - BlockStart(block)));
        const size_t part = std::min<uint64_t>(count - kept, BlockStart(block + 1) - size_);
        std::copy_n(chunk + kept, part, blocks_[block].get() + (size_ - BlockStart(block)));
        kept += part;
        size_ += part;
    }
    constexpr char kLineEnds[] = {'\n', '\r'};
    const char *end = chunk + count;
    const char *lastEnd =
        std::find_first_of(std::make_reverse_iterator(end), std::make_reverse_iterator(chunk),
                           std::begin(kLineEnds), std::end(kLineEnds))
            .base();
    sinceLineEnd_ = lastEnd == chunk ? sinceLineEnd_ + count : end - lastEnd;
    // Bytes of a run that need not be the line's: a byte-order mark of up to three, or half of
    // a UTF-16 line end and an odd last byte.
    constexpr uint64_t kNotTheLine = 3;
    return sinceLineEnd_ <= longestLine + kNotTheLine;
}

size_t MemoryBytes::read(uint64_t offset, char *into, size_t length) const {
    if (offset >= bytes_.size())
        return 0;
    const size_t count = std::min<uint64_t>(length, bytes_.size() - offset);
    std::copy_n(bytes_.data() + offset, count, into);
    return count;
}

size_t StreamBytes::read(uint64_t offset, char *into, size_t length) const {
    size_t done = 0;
    while (done < length && offset + done < size_) {
        const uint64_t at = offset + done;
        const size_t block = BlockHolding(at);
        const size_t part =
            std::min<uint64_t>({length - done, BlockStart(block + 1) - at, size_ - at});
        std::copy_n(blocks_[block].get() + (at - BlockStart(block)), part, into + done);
        done += part;
    }
    return done;
}
