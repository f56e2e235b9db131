#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A candidate clashes with a text when this many of its first characters occur in it.
constexpr size_t kPrefixLength = 5;

// Tells which candidates clash with one text (PrefixClash), quickly however long the text and
// however many candidates: a Make may test thousands of candidates against a head that holds a
// word of millions of characters. The first tests search the text; once searching has cost a
// few times the text's length, the text's substrings of the length asked for are gathered
// into a table, and from then on each test is a look-up.
class ClashTest {
public:
    explicit ClashTest(std::u16string_view text) : text_(text) {}

    bool clashes(std::u16string_view candidate);

private:
    // Where each distinct substring of one length first stands in the text.
    class Substrings {
    public:
        Substrings(std::u16string_view text, size_t length);
        bool contains(std::u16string_view part) const;

    private:
        std::u16string_view text_;
        size_t length_;
        std::vector<uint32_t> slots_; // a position + 1, or 0 for an empty slot
    };

    std::u16string_view text_;
    size_t searched_ = 0;                                             // characters searched so far
    std::array<std::optional<Substrings>, kPrefixLength + 1> tables_; // by length
};
