#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Distinct short texts, numbered in the order they first come, and found again by hashing.
// It keeps views: what they point into must outlive the set.
class TextSet {
public:
    // The text's number, a new one if the set did not hold it yet.
    uint32_t add(std::u16string_view text);

    bool find(std::u16string_view text, uint32_t &number) const;

    size_t size() const { return texts_.size(); }

private:
    void grow();
    void place(uint32_t number);

    std::vector<std::u16string_view> texts_; // by number
    std::vector<uint32_t> slots_;            // a number + 1, or 0 for an empty slot
};
