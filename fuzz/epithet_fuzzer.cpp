// Arbitrary bytes as a word list: every epithet composed from what the loader takes must be
// made of its words, in the shapes the settings allow.
#include "compose/epithet.h"
#include "platform/byte_source.h"
#include "platform/random_source.h"
#include "words/word_list.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

using Words = std::set<std::u16string>;

Words WordsOf(const WordPool &pool) {
    Words words;
    for (int k = 1; k <= pool.size(); ++k)
        words.emplace(pool.word(k));
    return words;
}

bool ClashesWithAll(const Words &words, std::u16string_view text) {
    for (const std::u16string &word : words)
        if (!PrefixClash(word, text))
            return false;
    return true;
}

// A quick generator: a Make may wait through tens of thousands of random numbers, and the
// fuzzer wants thousands of inputs a second. Uninstrumented, since its branches teach the
// fuzzer nothing.
class QuickRandom final : public RandomSource {
public:
    void seedFromClock() override {}
    __attribute__((no_sanitize("coverage"))) float next() override {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_ >> 8) * 0x1p-24f;
    }

private:
    uint32_t state_ = 2463534242;
};

void Check(bool condition, const char *what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

struct Vocabulary {
    Words adverbs, adjectives, nouns;
    bool canDropFirstModifier = false; // some modifier clashes with every adjective
};

// Whether `first` and `second` may open an epithet as two modifiers with the given separator.
bool ModifiersFit(const Vocabulary &words, const std::u16string &first,
                  const std::u16string &second, bool comma, bool commas, bool lengthOrder) {
    if (words.adverbs.count(first) && !comma && !PrefixClash(second, first))
        return true;
    if (!words.adjectives.count(first) || comma != commas)
        return false;
    if (!lengthOrder)
        return !PrefixClash(second, first);
    // Drawn in this order, or drawn the other way round and put shorter first.
    return (first.size() <= second.size() && !PrefixClash(second, first)) ||
           (first.size() < second.size() && !PrefixClash(first, second));
}

// Whether `noun` may end `head` (the words before it and their spaces): it does not clash, or
// every noun does. Where a comma parts the modifiers, the noun is also tested against `plain`,
// the head as if the comma were a plain space.
bool NounFits(const Words &nouns, std::u16string_view noun, const std::u16string &head,
              const std::u16string &plain) {
    const auto clashes = [&](std::u16string_view word) {
        return PrefixClash(word, head) || PrefixClash(word, plain);
    };
    if (!clashes(noun))
        return true;
    for (const std::u16string &other : nouns)
        if (!clashes(other))
            return false;
    return true;
}

// Whether `head` (the epithet before the noun, without its last space) is a shape the
// composer may make under these settings, followed by `noun`.
bool HeadFits(const Vocabulary &words, const std::u16string &head, const std::u16string &noun,
              bool single, bool commas, bool lengthOrder) {
    const std::u16string spaced = head + u' ';
    if (words.adjectives.count(head) && (single || words.canDropFirstModifier) &&
        NounFits(words.nouns, noun, spaced, spaced))
        return true;
    if (single)
        return false;
    for (size_t space = head.find(u' '); space != head.npos; space = head.find(u' ', space + 1)) {
        const std::u16string second = head.substr(space + 1);
        if (!words.adjectives.count(second))
            continue;
        const std::u16string first = head.substr(0, space);
        if (ModifiersFit(words, first, second, false, commas, lengthOrder) &&
            NounFits(words.nouns, noun, spaced, spaced))
            return true;
        if (!first.ends_with(u','))
            continue;
        const std::u16string bare = first.substr(0, first.size() - 1);
        if (ModifiersFit(words, bare, second, true, commas, lengthOrder) &&
            NounFits(words.nouns, noun, spaced, bare + u' ' + second + u' '))
            return true;
    }
    return false;
}

bool EpithetFits(const Vocabulary &words, const std::u16string &epithet, bool single, bool commas,
                 bool lengthOrder) {
    for (size_t space = epithet.find(u' '); space != epithet.npos;
         space = epithet.find(u' ', space + 1)) {
        const std::u16string noun = epithet.substr(space + 1);
        if (words.nouns.count(noun) &&
            HeadFits(words, epithet.substr(0, space), noun, single, commas, lengthOrder))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    WordLists lists;
    QuickRandom random;
    const LoadResult result =
        LoadWordList(lists, MemoryBytes({reinterpret_cast<const char *>(data), size}), random);
    Check(result != LoadResult::CannotOpen && result != LoadResult::TooLarge, "the list loads");
    Check(lists.AdverbShare >= 0 && lists.AdverbShare <= 1, "the adverb share is a share");

    Vocabulary words{WordsOf(lists.AdverbPool), WordsOf(lists.AdjectivePool),
                     WordsOf(lists.NounPool)};
    for (const Words *pool : {&words.adverbs, &words.adjectives, &words.nouns}) {
        for (const std::u16string &word : *pool) {
            Check(!word.empty() && word.front() != u' ' && word.back() != u' ', "trimmed words");
            Check(word.find_first_of(u"\r\n") == word.npos, "no line end inside a word");
        }
    }
    if (result != LoadResult::Loaded)
        return 0;

    for (const Words *modifiers : {&words.adverbs, &words.adjectives})
        for (const std::u16string &modifier : *modifiers)
            words.canDropFirstModifier |= ClashesWithAll(words.adjectives, modifier);

    for (int settings = 0; settings < 8; ++settings) {
        const bool single = settings & 1, commas = settings & 2, lengthOrder = settings & 4;
        for (int i = 0; i < 1; ++i) {
            const std::u16string epithet =
                ComposeEpithet(lists, {single, commas, lengthOrder}, random);
            Check(EpithetFits(words, epithet, single, commas, lengthOrder),
                  "the epithet is made of the list's words in an allowed shape");
        }
    }
    return 0;
}
