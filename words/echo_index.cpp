#include "echo_index.h"

#include "word_list.h"

#include <algorithm>
#include <future>
#include <system_error>

namespace {

std::vector<uint32_t> EchoesOf(std::u16string_view word, const PrefixTable &prefixes) {
    std::vector<bool> seen(prefixes.size());
    std::vector<uint32_t> found;
    prefixes.findIn(word, [&](uint32_t number) {
        if (!seen[number]) {
            seen[number] = true;
            found.push_back(number);
        }
    });
    return found;
}

// Numbering a large pool waits on memory more than it computes, and the two pools share
// nothing: so the nouns are numbered on a thread of their own while the adjectives are numbered
// here, which takes an eighth off loading a list of a million words. A small list, or a system
// that has no thread to give, has both numbered here.
void NumberPrefixes(WordLists &lists, bool (*stopAsked)()) {
    constexpr int kWorthAThread = 1 << 16;
    std::future<void> nouns;
    if (std::min(lists.AdjectivePool.size(), lists.NounPool.size()) >= kWorthAThread) {
        try {
            nouns = std::async(std::launch::async,
                               [&lists, stopAsked] { lists.NounPool.numberPrefixes(stopAsked); });
        } catch (const std::system_error &) {
        }
    }
    lists.AdjectivePool.numberPrefixes(stopAsked);
    if (nouns.valid())
        nouns.get(); // and with it what the thread threw
    lists.NounPool.numberPrefixes(stopAsked);
}

} // namespace

void EchoIndex::build(WordLists &lists, bool (*stopAsked)()) {
    NumberPrefixes(lists, stopAsked);
    if (stopAsked && stopAsked())
        return;
    for (const WordPool *pool : {&lists.AdverbPool, &lists.AdjectivePool}) {
        for (int k = 1; k <= pool->size(); ++k) {
            const std::u16string_view word = pool->word(k);
            if (word.size() >= kLongWord)
                echoes_[word.data()] = {EchoesOf(word, lists.AdjectivePool.prefixes()),
                                        EchoesOf(word, lists.NounPool.prefixes())};
        }
    }
}

const std::vector<uint32_t> *EchoIndex::echoesIn(std::u16string_view word, Pool pool) const {
    if (word.size() < kLongWord)
        return nullptr;
    const auto found = echoes_.find(word.data());
    return found == echoes_.end() ? nullptr : &found->second[pool];
}
