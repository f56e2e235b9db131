#pragma once

#include "words/word_pool.h"

#include <cstdint>
#include <optional>
#include <vector>

// The line that each distinct word of a pool was first on, for a pool filled line by line: a
// table of the pool's indices, so that a word costs twelve bytes beside its text, not a copy.
class FirstLines {
public:
    explicit FirstLines(const WordPool &pool) : pool_(pool) {}

    // Records that the pool's last word came from `line`; says where it came before, if it did.
    std::optional<uint64_t> addLast(uint64_t line);

    // How many different words the pool holds.
    uint64_t distinct() const { return distinct_; }

private:
    size_t slotOf(std::u16string_view word) const;
    void grow();

    const WordPool &pool_;
    std::vector<uint64_t> lines_; // by index - 1
    std::vector<uint32_t> slots_; // an index of the pool, or 0 for an empty slot
    uint64_t distinct_ = 0;
};
