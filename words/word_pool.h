#pragma once

#include "word_store.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

class RandomSource;

// The words of one class, with indices 1..size(), each with its handed-out flag. Words are
// appended, reordered and marked, never removed. Words and flags lie in two arrays: a draw
// probes flags at random, and a million of them fit in the processor's cache.
class WordPool {
public:
    WordPool() = default;
    WordPool(WordPool &&) = default;
    WordPool &operator=(WordPool &&) = default;
    // A copy's words would still show the original's text.
    WordPool(const WordPool &) = delete;
    WordPool &operator=(const WordPool &) = delete;

    int size() const { return static_cast<int>(words_.size()); }
    bool empty() const { return words_.empty(); }

    void append(std::u16string_view word) {
        appendWritten(word.size(), [word](char16_t *out) {
            std::copy(word.begin(), word.end(), out);
            return word.size();
        });
    }

    // Appends the word that `fill` writes into room for `most` units (see WordStore::keep); a
    // pool never holds an empty word, so nothing written appends nothing.
    template <typename Fill> void appendWritten(size_t most, Fill fill) {
        const std::u16string_view word = store_.keep(most, fill);
        if (word.empty())
            return;
        words_.push_back(word);
        drawn_.push_back(0);
    }

    std::u16string_view word(int index) const { return words_[index - 1]; }

    // Whether the word has been handed out in the current pass.
    bool isDrawn(int index) const { return drawn_[index - 1] != 0; }
    void markDrawn(int index) { drawn_[index - 1] = 1; }
    // Makes a drawn word available again within the pass, as if it had not been drawn.
    void putBack(int index) { drawn_[index - 1] = 0; }
    // Frees every entry for a new pass.
    void freeAll() {
        std::fill(drawn_.begin(), drawn_.end(), 0);
        ++passes_;
    }
    // How many passes have begun: a caller that puts back every word it draws finds the flags
    // as it left them for as long as this stays the same.
    long passes() const { return passes_; }

    // Swaps two entries, each word with its flag and its prefix's number.
    void swap(int i, int j) {
        std::swap(words_[i - 1], words_[j - 1]);
        std::swap(drawn_[i - 1], drawn_[j - 1]);
        if (!prefixNumbers_.empty())
            std::swap(prefixNumbers_[i - 1], prefixNumbers_[j - 1]);
    }

    // A number for each entry's prefix, the same for entries whose prefixes are the same (see
    // EchoIndex); they stay with their entries from then on. Only lists with very long words
    // have them.
    void setPrefixNumbers(std::vector<uint32_t> numbers) { prefixNumbers_ = std::move(numbers); }
    uint32_t prefixNumber(int index) const { return prefixNumbers_[index - 1]; }

    // Start fetching an entry, or its word's text, from memory ahead of its use.
    void prefetch(int index) const { __builtin_prefetch(&words_[index - 1]); }
    void prefetchText(int index) const { __builtin_prefetch(words_[index - 1].data()); }

private:
    WordStore store_;
    std::vector<std::u16string_view> words_;
    std::vector<uint8_t> drawn_; // 1 once handed out in the current pass
    std::vector<uint32_t> prefixNumbers_;
    long passes_ = 0;
};

// Swaps every position in turn with a random other one. Pools of fewer than two entries have
// no other position and are left as they are.
void ShuffleWords(WordPool &pool, RandomSource &random);

// Begins a new pass: reshuffles the pool and frees every entry.
void StartNewPass(WordPool &pool, RandomSource &random);

// Hands out a random entry not yet handed out in this pass and returns its index. When `size()`
// random probes in a row all miss, a new pass begins: the pool is reshuffled, every entry freed,
// and the next random entry taken. The pool must not be empty.
int DrawWord(WordPool &pool, RandomSource &random);
