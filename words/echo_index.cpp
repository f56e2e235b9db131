#include "echo_index.h"

#include "word_list.h"

uint32_t EchoIndex::Prefixes::add(std::u16string_view prefix) {
    std::vector<uint8_t> &starts = starts_[prefix.size()];
    if (starts.empty())
        starts.resize(1 << 16);
    starts[prefix.front()] = 1;
    return texts_.add(prefix);
}

void EchoIndex::build(WordLists &lists) {
    std::vector<std::u16string_view> longWords;
    for (const WordPool *pool : {&lists.AdverbPool, &lists.AdjectivePool})
        for (int k = 1; k <= pool->size(); ++k)
            if (pool->word(k).size() >= kLongWord)
                longWords.push_back(pool->word(k));
    if (longWords.empty())
        return;

    WordPool *pools[2] = {&lists.AdjectivePool, &lists.NounPool};
    for (int which : {Adjectives, Nouns}) {
        std::vector<uint32_t> numbers;
        numbers.reserve(pools[which]->size());
        for (int k = 1; k <= pools[which]->size(); ++k)
            numbers.push_back(prefixes_[which].add(pools[which]->word(k).substr(0, kPrefixLength)));
        pools[which]->setPrefixNumbers(std::move(numbers));
    }
    for (std::u16string_view word : longWords)
        echoes_[word.data()] = {echoesOf(word, Adjectives), echoesOf(word, Nouns)};
}

std::vector<uint32_t> EchoIndex::echoesOf(std::u16string_view word, Pool pool) const {
    const Prefixes &prefixes = prefixes_[pool];
    std::vector<bool> seen(prefixes.size());
    std::vector<uint32_t> found;
    for (size_t length = 1; length <= kPrefixLength; ++length) {
        if (!prefixes.hasLength(length))
            continue;
        std::u16string_view last; // a long run of one prefix is looked up once
        for (size_t at = 0; at + length <= word.size(); ++at) {
            if (!prefixes.mayStart(word[at], length))
                continue;
            const std::u16string_view part = word.substr(at, length);
            uint32_t number = 0;
            if (part == last || !prefixes.find(part, number))
                continue;
            last = part;
            if (!seen[number]) {
                seen[number] = true;
                found.push_back(number);
            }
        }
    }
    return found;
}

const std::vector<uint32_t> *EchoIndex::echoesIn(std::u16string_view word, Pool pool) const {
    if (word.size() < kLongWord)
        return nullptr;
    const auto found = echoes_.find(word.data());
    return found == echoes_.end() ? nullptr : &found->second[pool];
}
