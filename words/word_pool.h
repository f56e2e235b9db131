#pragma once

#include <cstdint>
#include <string>
#include <vector>

class RandomSource;

struct WordEntry {
    std::u16string Word;
    int32_t Drawn = 0; // 1 once handed out in the current pass
};

// The words of one class, with indices 1..size(). Entries are appended, reordered and marked,
// never removed.
class WordPool {
public:
    int size() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }

    void append(std::u16string word) { entries_.push_back({std::move(word), 0}); }

    WordEntry &entry(int index) { return entries_[index - 1]; }
    const WordEntry &entry(int index) const { return entries_[index - 1]; }

    std::vector<WordEntry>::iterator begin() { return entries_.begin(); }
    std::vector<WordEntry>::iterator end() { return entries_.end(); }
    std::vector<WordEntry>::const_iterator begin() const { return entries_.begin(); }
    std::vector<WordEntry>::const_iterator end() const { return entries_.end(); }

private:
    std::vector<WordEntry> entries_;
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
