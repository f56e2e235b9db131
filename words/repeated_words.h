#pragma once

#include "word_pool.h"

#include <vector>

// A word that a pool holds more than once.
struct RepeatedWord {
    int first;  // the index of its first coming
    int second; // of its second
    int times;  // how many times the pool holds it
};

// What a pool holds more than once, and so its different words.
struct PoolRepeats {
    std::vector<RepeatedWord> words; // each word held more than once, in no particular order
    std::vector<int> firstComings;   // the entries that hold a word for the first time, in order
};

PoolRepeats FindRepeats(const WordPool &pool);
