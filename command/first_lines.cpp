#include "first_lines.h"

#include <functional>
#include <string_view>

std::optional<uint64_t> FirstLines::addLast(uint64_t line) {
    lines_.push_back(line);
    if (2 * (distinct_ + 1) > slots_.size())
        grow();
    const int index = pool_.size();
    const size_t slot = slotOf(pool_.word(index));
    if (slots_[slot] != 0)
        return lines_[slots_[slot] - 1];
    slots_[slot] = static_cast<uint32_t>(index);
    ++distinct_;
    return std::nullopt;
}

// Linear probing from the word's hash: the slot that holds the word, or the empty one where it
// would go. The table is never more than half full, so an empty slot is soon found.
size_t FirstLines::slotOf(std::u16string_view word) const {
    size_t slot = std::hash<std::u16string_view>{}(word) & (slots_.size() - 1);
    while (slots_[slot] != 0 && pool_.word(static_cast<int>(slots_[slot])) != word)
        slot = (slot + 1) & (slots_.size() - 1);
    return slot;
}

void FirstLines::grow() {
    std::vector<uint32_t> held = std::move(slots_);
    slots_.assign(held.empty() ? 1024 : 2 * held.size(), 0);
    for (const uint32_t index : held)
        if (index != 0)
            slots_[slotOf(pool_.word(static_cast<int>(index)))] = index;
}
