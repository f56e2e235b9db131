#pragma once

#include "platform/text_reader.h"

#include <cstdint>
#include <string>
#include <vector>

class ByteSource;

// Something in a line of a word list that its author may not mean.
struct Finding {
    uint64_t line; // from 1
    std::u16string message;
};

// What a reading of a word list found, line by line, read as the loader reads it.
struct ListCheck {
    TextReader::Encoding encoding = TextReader::Encoding::EightBit;
    uint64_t windows1252Words = 0; // words of 8-bit lines that are not valid UTF-8
    uint64_t crLf = 0, lineFeeds = 0, carriageReturns = 0; // line ends of each kind
    uint64_t lines = 0;
    uint64_t comments = 0; // lines with something in them that carry no word
    uint64_t blanks = 0;   // lines of nothing or spaces
    std::vector<Finding> findings;
};

// Reads every line of the list and reports: lines that look meant as words but are not taken
// (a tab after the class letter, or a class letter with nothing after it), words that are
// cleaned on loading and what they become, words read as Windows-1252, words cleaned to
// nothing, words that hold a tab, and a word given twice in one class.
ListCheck CheckWordList(const ByteSource &text);
