#pragma once

#include "finding_log.h"
#include "platform/text_reader.h"
#include "words/word_list.h"

#include <cstdint>

class ByteSource;
class ExcludedWords;

// What a reading of a word list found, line by line, read by the loader's own reading.
struct ListCheck {
    TextReader::Encoding encoding = TextReader::Encoding::EightBit;
    uint64_t windows1252Words = 0; // words of 8-bit lines that are not valid UTF-8
    uint64_t crLf = 0, lineFeeds = 0, carriageReturns = 0; // line ends of each kind
    uint64_t lines = 0;
    uint64_t comments = 0; // lines with something in them that carry no word
    uint64_t blanks = 0;   // lines of nothing or spaces
    uint64_t leftOut = 0;  // lines whose word is one of the excluded words
    FindingLog findings;
    // Lines of the excluded words whose word the list does not hold.
    FindingLog unusedExclusions;

    WordLists lists; // as loading fills them, excluded words left out, but not shuffled
    LoadResult result = LoadResult::Loaded;
    // How many different epithets the words can make at most, by the menu's first settings
    // and with a single adjective; exact where no word echoes another.
    double epithets = 0, singleEpithets = 0;
};

// Reads every line of the list as loading does and reports: lines that look meant as words but
// are not taken (a tab or another space than U+0020 after the class letter, or a class letter
// with nothing after it), words that are cleaned on loading and what they become, words read as
// Windows-1252, words cleaned to nothing, words that hold a tab or characters that do not
// show, a word given more than once in one class; and of the whole list, UTF-16 without its
// mark, an odd last byte of UTF-16, and nouns too few to keep a word from being repeated.
// Throws std::bad_alloc where memory runs out. Where `stopAsked`, given, says so once the bytes
// are read, the passes over the whole list are skipped and the check is left unfinished.
ListCheck CheckList(const ByteSource &text, const ExcludedWords *leaveOut = nullptr,
                    bool (*stopAsked)() = nullptr);
