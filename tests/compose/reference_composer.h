#pragma once

// A plain transcription of the pools' draw and of the composer, loops and all, with nothing
// added to make it quick or to bound it: what the real code is held to.

#include "platform/random_source.h"
#include "words/word_list.h"

#include <string>
#include <utility>
#include <vector>

namespace reference {

struct Pool {
    std::vector<std::u16string> words; // entry k at words[k - 1]
    std::vector<int> drawn;            // 0 or 1
    int size() const { return static_cast<int>(words.size()); }
};

struct Lists {
    Pool adverbs, adjectives, nouns;
    float adverbShare = 0;
};

inline Pool CopyOf(const WordPool &pool) {
    Pool copy;
    for (int k = 1; k <= pool.size(); ++k) {
        copy.words.emplace_back(pool.word(k));
        copy.drawn.push_back(pool.isDrawn(k) ? 1 : 0);
    }
    return copy;
}

inline Lists CopyOf(const WordLists &lists) {
    return {CopyOf(lists.AdverbPool), CopyOf(lists.AdjectivePool), CopyOf(lists.NounPool),
            lists.AdverbShare};
}

// floor(r × n) + 1, exactly: a long double holds the product of a float and an int.
inline int Index(RandomSource &random, int n) {
    return static_cast<int>(static_cast<long double>(random.next()) * n) + 1;
}

inline void Shuffle(Pool &pool, RandomSource &random) {
    const int n = pool.size();
    if (n < 2) // one entry has no other to swap with; the program leaves it
        return;
    for (int i = 1; i <= n; ++i) {
        int j = Index(random, n);
        while (j == i)
            j = Index(random, n);
        std::swap(pool.words[i - 1], pool.words[j - 1]);
        std::swap(pool.drawn[i - 1], pool.drawn[j - 1]);
    }
}

inline int Draw(Pool &pool, RandomSource &random) {
    const int n = pool.size();
    for (int probe = 1; probe <= n; ++probe) {
        const int k = Index(random, n);
        if (pool.drawn[k - 1] == 0) {
            pool.drawn[k - 1] = 1;
            return k;
        }
    }
    Shuffle(pool, random);
    for (int &flag : pool.drawn)
        flag = 0;
    const int k = Index(random, n);
    pool.drawn[k - 1] = 1;
    return k;
}

inline bool Clash(const std::u16string &candidate, const std::u16string &text) {
    return !text.empty() && text.find(candidate.substr(0, 5)) != std::u16string::npos;
}

// Thrown where no word of the pool passes against the text, so that the loop would never end.
struct NeverEnds {};

inline void ThrowIfNoWordPasses(const Pool &pool, const std::u16string &text) {
    for (const std::u16string &word : pool.words)
        if (!Clash(word, text))
            return;
    throw NeverEnds{};
}

// Draws until a word does not clash with `text`, putting each rejected word back.
inline std::u16string DrawWithoutClash(Pool &pool, const std::u16string &text,
                                       RandomSource &random) {
    ThrowIfNoWordPasses(pool, text);
    for (;;) {
        const int k = Draw(pool, random);
        if (!Clash(pool.words[k - 1], text))
            return pool.words[k - 1];
        pool.drawn[k - 1] = 0;
    }
}

inline std::u16string Compose(Lists &lists, bool single, bool commas, bool lengthOrder,
                              RandomSource &random) {
    std::u16string m1, sep, m2;
    bool firstIsAdverb = false;
    if (!single) {
        sep = u" ";
        if (random.next() < lists.adverbShare) {
            m1 = lists.adverbs.words[Draw(lists.adverbs, random) - 1];
            firstIsAdverb = true;
        } else {
            m1 = lists.adjectives.words[Draw(lists.adjectives, random) - 1];
            if (commas)
                sep = u", ";
        }
    }
    m2 = DrawWithoutClash(lists.adjectives, m1, random);
    if (!single && lengthOrder && !firstIsAdverb && m1.size() > m2.size())
        std::swap(m1, m2);
    const std::u16string head = m1 + sep + m2 + u" ";
    // The noun is tested against the head, and against it with a plain space for the comma; no
    // word holds a line feed, so nothing is found across the one between them.
    const std::u16string tested = sep == u", " ? head + u'\n' + m1 + u' ' + m2 + u' ' : head;
    return head + DrawWithoutClash(lists.nouns, tested, random);
}

} // namespace reference
