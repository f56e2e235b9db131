#pragma once

#include "words/echo_index.h"
#include "words/text_set.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

class WordPool;

// Tells which words of a pool clash with one text (PrefixClash), quickly however long the text
// and however many candidates: a Make may test a million candidates against a head that holds
// a word of millions of characters.
//
// Where the text holds a long word of the lists' EchoIndex, the prefixes that occur in the text
// are gathered once, from the index and from the short stretches around the long words, and
// each test is a look-up of the candidate's prefix number. Otherwise the first tests search
// the text; once searching has cost a few times the text's length, the text's substrings of
// the length asked for are gathered into a table, and from then on each test is a look-up.
//
// Either way a test reads the candidate's text from wherever it lies in memory. A Make that
// tests a good share of a large pool therefore tests the whole pool at once, in order, fetching
// each text ahead of its turn, and keeps the answers for as long as the pool keeps its order.
class ClashTest {
public:
    // Candidates from `pool` against `text`, which is `parts` one after the other; `which`
    // says which of the index's pools `pool` is.
    ClashTest(const WordPool &pool, std::u16string_view text,
              std::initializer_list<std::u16string_view> parts, const EchoIndex &index,
              EchoIndex::Pool which);

    // Whether entry k of the pool clashes with the text.
    bool clashes(int k);

private:
    bool test(int k);
    void testWholePool();
    bool searchOrLookUp(std::u16string_view candidate);
    void markPrefixesIn(std::u16string_view piece, const EchoIndex &index, EchoIndex::Pool which);

    const WordPool &pool_;
    std::u16string_view text_;
    size_t searched_ = 0; // characters searched so far
    // The text's distinct substrings, by their length; empty until searching grows costly.
    std::array<TextSet, kPrefixLength + 1> tables_;
    bool indexed_ = false;
    std::vector<uint64_t> echoed_;   // by prefix number: whether that prefix occurs in the text
    size_t tested_ = 0;              // candidates tested one by one
    std::vector<uint64_t> clashing_; // by entry, while the pool is in the order it was tested
    long testedInPass_ = -1;         // the pass of the pool that clashing_ is for
};
