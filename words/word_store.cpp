#include "word_store.h"

#include <algorithm>

char16_t *WordStore::newBlock(size_t most) {
    // A word longer than a block gets a block of its own size, so that a huge word costs no
    // more than its own length.
    capacity_ = std::max(kBlockSize, most);
    blocks_.push_back(std::make_unique_for_overwrite<char16_t[]>(capacity_));
    used_ = 0;
    return blocks_.back().get();
}
