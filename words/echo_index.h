#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

struct WordLists;

// Which prefixes of the adjectives and of the nouns occur inside each very long modifier,
// found once as the list is loaded: a Make whose head holds such a word then need not look
// through millions of its characters.
class EchoIndex {
public:
    // Shorter words are looked through as a Make meets them.
    static constexpr size_t kLongWord = 1 << 12;

    // Where the candidates come from: the adjectives or the nouns.
    enum Pool { Adjectives, Nouns };

    // Numbers the prefixes of the adjectives and the nouns, then looks through every long
    // adverb and adjective; after the pools are filled. Goes no further once `stopAsked`,
    // where given, says so.
    void build(WordLists &lists, bool (*stopAsked)() = nullptr);

    // The numbers of the pool's prefixes that occur in `word`, a long word of the lists (its
    // text, not a copy); null for any other text.
    const std::vector<uint32_t> *echoesIn(std::u16string_view word, Pool pool) const;

private:
    std::unordered_map<const char16_t *, std::array<std::vector<uint32_t>, 2>> echoes_;
};
