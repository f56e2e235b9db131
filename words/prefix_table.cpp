#include "prefix_table.h"

namespace {

// Four slots for three prefixes: searches stay short, and the slots of a million prefixes take
// under 6 MB.
constexpr size_t kSlotsPerPrefix = 4;
constexpr size_t kPrefixesPerSlots = 3;

size_t SlotsFor(size_t prefixes) {
    return std::max<size_t>(16, prefixes * kSlotsPerPrefix / kPrefixesPerSlots + 1);
}

} // namespace

void PrefixTable::reserve(size_t count) {
    firsts_.reserve(size() + count);
    rests_.reserve(size() + count);
    if (SlotsFor(size() + count) > slots_.size())
        resize(SlotsFor(size() + count));
}

void PrefixTable::shrinkToFit() {
    // A copy made to save a little would itself be the load's peak of memory.
    if (2 * size() < firsts_.capacity()) {
        firsts_.shrink_to_fit();
        rests_.shrink_to_fit();
    }
    if (2 * SlotsFor(size()) < slots_.size())
        resize(SlotsFor(size()));
}

uint32_t PrefixTable::add(std::u16string_view prefix) {
    if (SlotsFor(size() + 1) > slots_.size())
        resize(2 * SlotsFor(size() + 1));
    const Key key = Pack(prefix);
    uint32_t &held = slots_[slotOf(key)];
    if (held != 0)
        return held - 1;
    const auto number = static_cast<uint32_t>(size());
    firsts_.push_back(key.first);
    rests_.push_back(key.rest);
    held = number + 1;
    lengths_ |= 1u << prefix.size();
    if (prefix.size() >= 3)
        threes_.set(ThreeSlot(key.first));
    return number;
}

void PrefixTable::resize(size_t slots) {
    slots_.assign(slots, 0);
    for (uint32_t number = 0; number < size(); ++number)
        slots_[slotOf(keyOf(number))] = number + 1;
}
