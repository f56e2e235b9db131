#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

// Keeps the text of many words in a few large blocks: a word costs no allocation of its own,
// and its text stays where it is for as long as the store lives, moves included.
class WordStore {
public:
    // Keeps the word that `fill` writes into the room it is given for `most` units; `fill`
    // returns the units it wrote. So a word is decoded straight into its place.
    template <typename Fill> std::u16string_view keep(size_t most, Fill fill) {
        const bool fits = !blocks_.empty() && most <= capacity_ - used_;
        char16_t *start = fits ? blocks_.back().get() + used_ : newBlock(most);
        const size_t length = fill(start);
        used_ += length;
        return {start, length};
    }

private:
    // A new last block, with room for at least `most` units.
    char16_t *newBlock(size_t most);

    // 64 KiB: below the size at which the C library maps memory for a block of its own, which
    // made loading slower and its speed depend on what the program had freed before.
    static constexpr size_t kBlockSize = 1 << 15;

    std::vector<std::unique_ptr<char16_t[]>> blocks_;
    size_t capacity_ = 0; // of the last block
    size_t used_ = 0;     // of the last block
};
