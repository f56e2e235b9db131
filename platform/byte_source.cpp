#include "byte_source.h"

#include <algorithm>
#include <iterator>

bool StreamBytes::keep(const char *chunk, size_t count, uint64_t longestLine) {
    bytes_.append(chunk, count);
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
