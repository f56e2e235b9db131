#pragma once

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// A word's prefix is its first five characters, or all of it if shorter; a candidate clashes
// with a text that holds its prefix.
constexpr size_t kPrefixLength = 5;

// The distinct prefixes of one pool's words, numbered in the order they first come. A prefix
// is kept packed into twelve bytes, so that finding one never reads a word's text.
class PrefixTable {
public:
    // Room for `count` more prefixes without growing.
    void reserve(size_t count);
    // Gives back the room that `reserve` kept, where the prefixes took less than half of it.
    void shrinkToFit();

    // The prefix's number, a new one if the table did not hold it yet.
    uint32_t add(std::u16string_view prefix);

    size_t size() const { return firsts_.size(); }

    // Calls `found(number)` for each place in `text`, up to `starts` places from its beginning,
    // that holds one of the table's prefixes; a long run of one prefix is looked up once.
    template <typename Found>
    void findIn(std::u16string_view text, Found found,
                size_t starts = std::u16string_view::npos) const {
        if (slots_.empty())
            return;
        std::array<Key, kPrefixLength + 1> last{}; // by length; no key is all zero
        uint64_t four = 0;                         // the four characters from `at` on
        for (size_t at = 0; at < std::min<size_t>(4, text.size()); ++at)
            four |= uint64_t{text[at]} << (16 * at);
        for (size_t at = 0; at < std::min(text.size(), starts); ++at) {
            size_t room = std::min(text.size() - at, kPrefixLength);
            if (room >= 3 && !threes_.test(ThreeSlot(four)))
                room = 2; // no prefix of three characters or more begins here
            for (size_t length = 1; length <= room; ++length) {
                if ((lengths_ >> length & 1) == 0)
                    continue;
                const Key key =
                    length < 4 ? Key{four & ((uint64_t{1} << 16 * length) - 1), Rest(length, 0)}
                               : Key{four, Rest(length, length == 5 ? text[at + 4] : 0)};
                uint32_t number = 0;
                if (key == last[length] || !find(key, number))
                    continue;
                last[length] = key;
                found(number);
            }
            four = four >> 16 | (at + 4 < text.size() ? uint64_t{text[at + 4]} << 48 : 0);
        }
    }

private:
    struct Key {
        uint64_t first; // the first four characters
        uint32_t rest;  // the fifth character, and the length above it
        bool operator==(const Key &) const = default;
    };
    static uint32_t Rest(size_t length, char16_t fifth) {
        return static_cast<uint32_t>(length) << 16 | fifth;
    }
    static Key Pack(std::u16string_view prefix) {
        Key key{0, Rest(prefix.size(), prefix.size() > 4 ? prefix[4] : 0)};
        for (size_t i = 0; i < std::min<size_t>(prefix.size(), 4); ++i)
            key.first |= uint64_t{prefix[i]} << (16 * i);
        return key;
    }

    // Where the first three of `four` characters fall in threes_.
    static size_t ThreeSlot(uint64_t four) {
        return static_cast<size_t>((four & 0xFFFF'FFFF'FFFF) * 0x9E3779B97F4A7C15 >> 49);
    }

    // The slot a key's search starts at: Fibonacci hashing, whose product's top bits depend on
    // every bit of the key, scaled to the table.
    size_t firstSlot(Key key) const {
        const uint64_t hash = (key.first ^ key.rest * 0xC2B2AE3D27D4EB4F) * 0x9E3779B97F4A7C15;
        return (hash >> 32) * slots_.size() >> 32;
    }
    size_t next(size_t slot) const { return slot + 1 == slots_.size() ? 0 : slot + 1; }
    Key keyOf(uint32_t number) const { return {firsts_[number], rests_[number]}; }
    // The slot that holds the key, or the empty slot where it would go.
    size_t slotOf(Key key) const {
        size_t slot = firstSlot(key);
        while (slots_[slot] != 0 && keyOf(slots_[slot] - 1) != key)
            slot = next(slot);
        return slot;
    }
    bool find(Key key, uint32_t &number) const {
        const uint32_t held = slots_[slotOf(key)];
        number = held - 1;
        return held != 0;
    }
    void resize(size_t slots);

    std::vector<uint64_t> firsts_; // by number
    std::vector<uint32_t> rests_;  // by number
    std::vector<uint32_t> slots_;  // a number + 1, or 0 for an empty slot
    unsigned lengths_ = 0;         // bit n set when some prefix has n characters
    // The first three characters of every prefix of three or more, hashed: most places of a
    // text are passed over on one bit.
    std::bitset<1 << 15> threes_;
};
