#include "echo_index.h"

#include "word_list.h"

#include <bit>

uint32_t EchoIndex::Prefixes::add(std::u16string_view prefix) {
    uint32_t number = 0;
    if (find(prefix, number))
        return number;
    if (2 * (numbered_.size() + 1) > slots_.size())
        grow();
    number = static_cast<uint32_t>(numbered_.size());
    numbered_.push_back(prefix);
    const size_t mask = slots_.size() - 1;
    size_t slot = HashText(prefix) & mask;
    while (slots_[slot] != 0)
        slot = (slot + 1) & mask;
    slots_[slot] = number + 1;
    std::vector<uint8_t> &starts = starts_[prefix.size()];
    if (starts.empty())
        starts.resize(1 << 16);
    starts[prefix.front()] = 1;
    return number;
}

void EchoIndex::Prefixes::grow() {
    slots_.assign(std::max<size_t>(64, 2 * slots_.size()), 0);
    const size_t mask = slots_.size() - 1;
    for (uint32_t number = 0; number < numbered_.size(); ++number) {
        size_t slot = HashText(numbered_[number]) & mask;
        while (slots_[slot] != 0)
            slot = (slot + 1) & mask;
        slots_[slot] = number + 1;
    }
}

bool EchoIndex::Prefixes::find(std::u16string_view prefix, uint32_t &number) const {
    if (slots_.empty())
        return false;
    const size_t mask = slots_.size() - 1;
    for (size_t slot = HashText(prefix) & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
        if (numbered_[slots_[slot] - 1] == prefix) {
            number = slots_[slot] - 1;
            return true;
        }
    }
    return false;
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
