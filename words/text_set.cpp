#include "text_set.h"

#include <algorithm>

namespace {

uint64_t Hash(std::u16string_view text) {
    uint64_t hash = 0xcbf29ce484222325;
    for (char16_t unit : text)
        hash = (hash ^ unit) * 0x100000001b3;
    return hash ^ (hash >> 29);
}

} // namespace

uint32_t TextSet::add(std::u16string_view text) {
    uint32_t number = 0;
    if (find(text, number))
        return number;
    if (2 * (texts_.size() + 1) > slots_.size())
        grow();
    number = static_cast<uint32_t>(texts_.size());
    texts_.push_back(text);
    place(number);
    return number;
}

bool TextSet::find(std::u16string_view text, uint32_t &number) const {
    if (slots_.empty())
        return false;
    const size_t mask = slots_.size() - 1;
    for (size_t slot = Hash(text) & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
        if (texts_[slots_[slot] - 1] == text) {
            number = slots_[slot] - 1;
            return true;
        }
    }
    return false;
}

void TextSet::grow() {
    slots_.assign(std::max<size_t>(64, 2 * slots_.size()), 0);
    for (uint32_t number = 0; number < texts_.size(); ++number)
        place(number);
}

void TextSet::place(uint32_t number) {
    const size_t mask = slots_.size() - 1;
    size_t slot = Hash(texts_[number]) & mask;
    while (slots_[slot] != 0)
        slot = (slot + 1) & mask;
    slots_[slot] = number + 1;
}
