#include "byte_source.h"

#include <algorithm>

size_t MemoryBytes::read(uint64_t offset, char *into, size_t length) const {
    if (offset >= bytes_.size())
        return 0;
    const size_t count = std::min<uint64_t>(length, bytes_.size() - offset);
    std::copy_n(bytes_.data() + offset, count, into);
    return count;
}
