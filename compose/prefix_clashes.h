#pragma once

#include "words/echo_index.h"

#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

class WordPool;

// Which words of a pool clash with one text. The pool's prefixes that occur in the text are
// gathered once, before the first candidate: the text's short stretches are looked up in the
// pool's table of prefixes, place by place, and what its very long words hold comes from the
// EchoIndex. A candidate's test is then one look-up of its prefix's number, which lies beside
// its entry, so it never reads the candidate's text.
class PrefixClashes {
public:
    // Candidates from `pool` against `text`, which is `parts` one after the other; `which` says
    // which of the index's pools `pool` is.
    PrefixClashes(const WordPool &pool, std::u16string_view text,
                  std::initializer_list<std::u16string_view> parts, const EchoIndex &index,
                  EchoIndex::Pool which);

    // Counts what occurs in a short `text`, beginning at one of its first `starts` places, as
    // occurring in the text too.
    void alsoIn(std::u16string_view text, size_t starts);

    // Whether entry k of the pool clashes with the text.
    bool clashes(int k) const;

    // Whether every word of the pool clashes with the text.
    bool noneFit() const { return occurring_ == occurs_.size(); }

private:
    void mark(uint32_t number);

    const WordPool &pool_;
    std::vector<bool> occurs_; // by prefix number
    size_t occurring_ = 0;     // how many of occurs_ are set
};
