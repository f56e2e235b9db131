#include "repeated_words.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace {

struct Hashed {
    uint32_t index;
    uint32_t hash; // the low half of the word's hash
};

// The words are first sorted by the high bits of their hashes into parts small enough that
// each part's table stays in the processor's cache: a table of millions of words, probed at
// random, would wait on memory at nearly every word.
constexpr int kPartBits = 8;

// A different word of a part, in a table of open addressing.
struct Slot {
    uint32_t at = 0;    // its first position in the part + 1; 0 for an empty slot
    uint32_t entry = 0; // its entry among the repeats + 1; 0 while it has come once
};

// The table twice as large, with the same words.
std::vector<Slot> Grown(const std::vector<Slot> &slots, const std::vector<Hashed> &part) {
    std::vector<Slot> grown(slots.size() * 2);
    const size_t mask = grown.size() - 1;
    for (const Slot &slot : slots) {
        if (slot.at == 0)
            continue;
        size_t at = part[slot.at - 1].hash & mask;
        while (grown[at].at != 0)
            at = (at + 1) & mask;
        grown[at] = slot;
    }
    return grown;
}

// Finds the repeated words within one part, whose words come in the pool's order, so the first
// of each kind is the one kept, and marks the later comings. The table grows with the different
// words, never more than half full, so a part of one word given millions of times takes almost
// no room.
void FindInPart(const WordPool &pool, const std::vector<Hashed> &part,
                std::vector<RepeatedWord> &repeats, std::vector<bool> &later) {
    std::vector<Slot> slots(16);
    size_t different = 0;
    for (uint32_t at = 0; at < part.size(); ++at) {
        const Hashed &word = part[at];
        const size_t mask = slots.size() - 1;
        size_t slot = word.hash & mask;
        for (; slots[slot].at != 0; slot = (slot + 1) & mask) {
            const Hashed &held = part[slots[slot].at - 1];
            if (held.hash == word.hash && pool.word(held.index) == pool.word(word.index))
                break;
        }
        Slot &found = slots[slot];
        later[word.index] = found.at != 0;
        if (found.at == 0) {
            found.at = at + 1;
            if (++different * 2 > slots.size())
                slots = Grown(slots, part);
        } else if (found.entry == 0) {
            repeats.push_back(
                {static_cast<int>(part[found.at - 1].index), static_cast<int>(word.index), 2});
            found.entry = static_cast<uint32_t>(repeats.size());
        } else {
            ++repeats[found.entry - 1].times;
        }
    }
}

} // namespace

PoolRepeats FindRepeats(const WordPool &pool) {
    // Each part is given its size first, as growing them would take up to twice the room.
    const auto hashOf = [&pool](int index) {
        return std::hash<std::u16string_view>{}(pool.word(index));
    };
    std::vector<std::vector<Hashed>> parts(1 << kPartBits);
    std::vector<size_t> sizes(parts.size(), 0);
    for (int index = 1; index <= pool.size(); ++index)
        ++sizes[hashOf(index) >> (64 - kPartBits)];
    for (size_t part = 0; part < parts.size(); ++part)
        parts[part].reserve(sizes[part]);
    for (int index = 1; index <= pool.size(); ++index) {
        const uint64_t hash = hashOf(index);
        parts[hash >> (64 - kPartBits)].push_back(
            {static_cast<uint32_t>(index), static_cast<uint32_t>(hash)});
    }
    PoolRepeats repeats;
    std::vector<bool> later(static_cast<size_t>(pool.size()) + 1);
    for (const std::vector<Hashed> &part : parts)
        FindInPart(pool, part, repeats.words, later);
    for (int index = 1; index <= pool.size(); ++index)
        if (!later[index])
            repeats.firstComings.push_back(index);
    return repeats;
}
