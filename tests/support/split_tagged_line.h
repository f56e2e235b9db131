#pragma once

#include <string>

// A word-list line read as a whole string, as the loader once read it; the loader now reads
// lines piece by piece (TaggedLine), and the tests and fuzzers hold it to this plain reading.

// Only the space character is trimmed: a tab is part of the word.
inline void TrimSpaces(std::u16string &text) {
    const size_t last = text.find_last_not_of(u' ');
    text.erase(last == std::u16string::npos ? 0 : last + 1);
    text.erase(0, text.find_first_not_of(u' '));
}

// If the line's second character is a space, returns the first character's code and replaces
// the line with the rest, spaces trimmed from both ends; otherwise returns 0 and leaves it.
inline int SplitTaggedLine(std::u16string &line) {
    if (line.size() < 2 || line[1] != u' ')
        return 0;
    const int tag = line[0];
    line.erase(0, 2);
    TrimSpaces(line);
    return tag;
}
