#include "echo_index.h"

#include "word_list.h"

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

} // namespace

void EchoIndex::build(WordLists &lists) {
    lists.AdjectivePool.numberPrefixes();
    lists.NounPool.numberPrefixes();
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
