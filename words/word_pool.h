#pragma once

#include "prefix_table.h"
#include "word_store.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

class RandomSource;

// How many words a pass over a pool takes between two askings whether to stop: a few
// milliseconds' work.
inline constexpr int kStepsBetweenAsking = 1 << 16;

// The words of one class, with indices 1..size(), each with its handed-out flag and the number
// of its prefix. Words are appended, reordered and marked, never removed. Words and flags lie in
// two arrays: a draw probes flags at random, and a million of them fit in the processor's cache.
class WordPool {
public:
    WordPool() = default;
    WordPool(WordPool &&) = default;
    WordPool &operator=(WordPool &&) = default;
    // A copy's words would still show the original's text.
    WordPool(const WordPool &) = delete;
    WordPool &operator=(const WordPool &) = delete;

    int size() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }

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
        // A word of more than four thousand million characters keeps that many.
        const auto length = static_cast<uint32_t>(std::min<size_t>(word.size(), UINT32_MAX));
        const uint32_t number = numbered_ ? prefixes_.add(word.substr(0, kPrefixLength)) : 0;
        entries_.push_back({word.data(), length, number});
        drawn_.push_back(0);
        if (!grammar_.empty())
            grammar_.push_back(0);
    }

    // What a list in a language other than English says beside a word: a noun's gender, an
    // adjective's place (words/grammar_tag.h), one byte an entry. A pool of an English list
    // keeps none, and reads 0 for every entry.
    void setLastGrammar(uint8_t grammar) {
        grammar_.resize(entries_.size());
        grammar_.back() = grammar;
    }
    uint8_t grammar(int index) const { return grammar_.empty() ? 0 : grammar_[index - 1]; }

    // Numbers the words' prefixes, and from then on each word's as it is appended. Only pools
    // whose words are tested for clashes need them; the composer numbers those it draws from.
    // Where `stopAsked`, given, says so, as loading a list of millions may be asked to, the
    // pool is left unnumbered.
    void numberPrefixes(bool (*stopAsked)() = nullptr);

    std::u16string_view word(int index) const { return entries_[index - 1].word(); }

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

    // Swaps two entries, each word with its flag, its prefix's number and its grammar.
    void swap(int i, int j) {
        std::swap(entries_[i - 1], entries_[j - 1]);
        std::swap(drawn_[i - 1], drawn_[j - 1]);
        if (!grammar_.empty())
            std::swap(grammar_[i - 1], grammar_[j - 1]);
    }

    // Once numbered: the distinct prefixes of the pool's words, and the number of the entry's.
    const PrefixTable &prefixes() const {
        assert(numbered_);
        return prefixes_;
    }
    uint32_t prefixNumber(int index) const { return entries_[index - 1].prefixNumber; }

    // Start fetching an entry from memory ahead of its use.
    void prefetch(int index) const { __builtin_prefetch(&entries_[index - 1]); }

private:
    // A word's text and its prefix's number, in the room of one string view.
    struct Entry {
        const char16_t *text;
        uint32_t length;
        uint32_t prefixNumber; // into prefixes_, once numbered
        std::u16string_view word() const { return {text, length}; }
    };

    WordStore store_;
    std::vector<Entry> entries_;
    std::vector<uint8_t> drawn_;   // 1 once handed out in the current pass
    std::vector<uint8_t> grammar_; // empty, or one byte an entry
    PrefixTable prefixes_;
    bool numbered_ = false;
    long passes_ = 0;
};

// Swaps every position in turn with a random other one. Pools of fewer than two entries have
// no other position and are left as they are. Where `stopAsked`, given, says so, the shuffle
// ends part of the way through: a pool of millions takes a second.
void ShuffleWords(WordPool &pool, RandomSource &random, bool (*stopAsked)() = nullptr);

// Begins a new pass: reshuffles the pool and frees every entry.
void StartNewPass(WordPool &pool, RandomSource &random);

// Hands out a random entry not yet handed out in this pass and returns its index. When `size()`
// random probes in a row all miss, a new pass begins: the pool is reshuffled, every entry freed,
// and the next random entry taken. The pool must not be empty.
int DrawWord(WordPool &pool, RandomSource &random);
