#include "word_store.h"

#include <algorithm>

std::u16string_view WordStore::keep(std::u16string_view word) {
    if (word.empty())
        return {};
    if (word.size() > capacity_ - used_) {
        capacity_ = std::max(kBlockSize, word.size());
        blocks_.push_back(std::make_unique_for_overwrite<char16_t[]>(capacity_));
        used_ = 0;
    }
    char16_t *start = blocks_.back().get() + used_;
    std::copy(word.begin(), word.end(), start);
    used_ += word.size();
    return {start, word.size()};
}
