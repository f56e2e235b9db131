#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text_set.h"

class WordPool;
struct WordLists;

// A word's prefix is its first five characters, or all of it if shorter; a candidate clashes
// with a text that holds its prefix.
constexpr size_t kPrefixLength = 5;

// For lists that hold very long words: which prefixes of the adjectives and of the nouns occur
// inside each long modifier, found once as the list is loaded. Testing a candidate against a
// head that holds such a word is then a look-up, where searching the word for every candidate
// of a Make could take minutes.
class EchoIndex {
public:
    // Shorter words are searched as they come; so are lists without longer ones.
    static constexpr size_t kLongWord = 1 << 12;

    // Where the candidates come from: the adjectives or the nouns.
    enum Pool { Adjectives, Nouns };

    // Numbers the prefixes of the adjectives and the nouns (WordPool::setPrefixNumbers) and
    // finds the prefixes in every long adverb and adjective, before any draw. Does nothing
    // for lists without long words.
    void build(WordLists &lists);

    // How many distinct prefixes the pool's words have.
    size_t prefixCount(Pool pool) const { return prefixes_[pool].size(); }

    // The number of a prefix among the pool's, if some word of the pool has it.
    bool findPrefix(Pool pool, std::u16string_view prefix, uint32_t &number) const {
        return prefixes_[pool].find(prefix, number);
    }

    // The numbers of the pool's prefixes that occur in `word`, a long word of the lists (its
    // text, not a copy); null for any other text.
    const std::vector<uint32_t> *echoesIn(std::u16string_view word, Pool pool) const;

private:
    // The distinct prefixes of one pool, numbered as they first come.
    class Prefixes {
    public:
        uint32_t add(std::u16string_view prefix);
        bool find(std::u16string_view prefix, uint32_t &number) const {
            return texts_.find(prefix, number);
        }
        size_t size() const { return texts_.size(); }
        bool hasLength(size_t length) const { return !starts_[length].empty(); }
        // Whether some prefix of this length starts with this character: most places of a
        // long word are passed over on that alone.
        bool mayStart(char16_t unit, size_t length) const { return starts_[length][unit] != 0; }

    private:
        TextSet texts_;
        std::array<std::vector<uint8_t>, kPrefixLength + 1> starts_; // by length, by character
    };

    std::vector<uint32_t> echoesOf(std::u16string_view word, Pool pool) const;

    Prefixes prefixes_[2]; // by Pool
    std::unordered_map<const char16_t *, std::array<std::vector<uint32_t>, 2>> echoes_;
};
