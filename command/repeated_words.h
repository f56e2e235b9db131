#pragma once

#include "words/word_pool.h"

#include <vector>

// A word that a pool holds more than once.
struct RepeatedWord {
    int first;  // the index of its first coming
    int second; // of its second
    int times;  // how many times the pool holds it
};

// Every word that the pool holds more than once, in no particular order.
std::vector<RepeatedWord> FindRepeatedWords(const WordPool &pool);
