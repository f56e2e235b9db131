#pragma once

#include "words/word_pool.h"

#include <vector>

// A word of a pool that an earlier word of the same pool repeats.
struct RepeatedWord {
    int index; // of the repeat
    int first; // of the word's first coming
};

// Every repeat in the pool, in no particular order; `distinct` is set to how many different words
// it holds.
std::vector<RepeatedWord> FindRepeatedWords(const WordPool &pool, int &distinct);
