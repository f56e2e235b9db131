#include "prefix_clashes.h"

#include "words/word_pool.h"

#include <string>

PrefixClashes::PrefixClashes(const WordPool &pool, std::u16string_view text,
                             std::initializer_list<std::u16string_view> parts,
                             const EchoIndex &index, EchoIndex::Pool which)
    : pool_(pool), occurs_(pool.prefixes().size()) {
    const PrefixTable &prefixes = pool.prefixes();
    const auto mark = [this](uint32_t number) { this->mark(number); };
    bool indexed = false;
    for (std::u16string_view part : parts)
        indexed |= index.echoesIn(part, which) != nullptr;
    if (!indexed) {
        prefixes.findIn(text, mark);
        return;
    }
    // Beside what the index knows of each long word, what stands between long words, with the
    // few characters of each that an occurrence across its edge can take.
    constexpr size_t kEdge = kPrefixLength - 1;
    std::u16string between;
    for (std::u16string_view part : parts) {
        const std::vector<uint32_t> *echoes = index.echoesIn(part, which);
        if (!echoes) {
            between += part;
            continue;
        }
        for (uint32_t number : *echoes)
            mark(number);
        between += part.substr(0, kEdge);
        prefixes.findIn(between, mark);
        between = part.substr(part.size() - kEdge);
    }
    prefixes.findIn(between, mark);
}

void PrefixClashes::mark(uint32_t number) {
    if (!occurs_[number]) {
        occurs_[number] = true;
        ++occurring_;
    }
}

void PrefixClashes::alsoIn(std::u16string_view text, size_t starts) {
    pool_.prefixes().findIn(
        text, [this](uint32_t number) { mark(number); }, starts);
}

bool PrefixClashes::clashes(int k) const {
    return occurs_[pool_.prefixNumber(k)];
}
