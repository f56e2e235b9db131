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

// Finds the repeated words within one part, whose words come in the pool's order, so the first
// of each kind is the one kept; in a table of open addressing never more than half full.
void FindInPart(const WordPool &pool, const std::vector<Hashed> &part,
                std::vector<RepeatedWord> &repeats) {
    size_t size = 16;
    while (size < 2 * part.size())
        size *= 2;
    std::vector<uint32_t> slots(size, 0);           // a position in the part + 1, or 0 for none
    std::vector<uint32_t> repeated(part.size(), 0); // by first position: its repeats' entry + 1
    for (uint32_t at = 0; at < part.size(); ++at) {
        const Hashed &word = part[at];
        size_t slot = word.hash & (size - 1);
        for (; slots[slot] != 0; slot = (slot + 1) & (size - 1)) {
            const Hashed &held = part[slots[slot] - 1];
            if (held.hash == word.hash && pool.word(held.index) == pool.word(word.index))
                break;
        }
        if (slots[slot] == 0) {
            slots[slot] = at + 1;
            continue;
        }
        uint32_t &entry = repeated[slots[slot] - 1];
        if (entry == 0) {
            repeats.push_back(
                {static_cast<int>(part[slots[slot] - 1].index), static_cast<int>(word.index), 2});
            entry = static_cast<uint32_t>(repeats.size());
        } else {
            ++repeats[entry - 1].times;
        }
    }
}

} // namespace

std::vector<RepeatedWord> FindRepeatedWords(const WordPool &pool) {
    std::vector<std::vector<Hashed>> parts(1 << kPartBits);
    for (int index = 1; index <= pool.size(); ++index) {
        const uint64_t hash = std::hash<std::u16string_view>{}(pool.word(index));
        parts[hash >> (64 - kPartBits)].push_back(
            {static_cast<uint32_t>(index), static_cast<uint32_t>(hash)});
    }
    std::vector<RepeatedWord> repeats;
    for (const std::vector<Hashed> &part : parts)
        FindInPart(pool, part, repeats);
    return repeats;
}
