#include "clash_test.h"

#include "words/word_pool.h"

#include <string>

namespace {

// Building a table costs about as much as searching the text a few times; short texts are
// searched at once, and texts past what a position can hold are never tabled.
constexpr size_t kSearchesBeforeTable = 4;
constexpr size_t kShortestTabledText = 256;
constexpr size_t kLongestTabledText = UINT32_MAX / 2;

} // namespace

ClashTest::ClashTest(const WordPool &pool, std::u16string_view text,
                     std::initializer_list<std::u16string_view> parts, const EchoIndex &index,
                     EchoIndex::Pool which)
    : pool_(pool), text_(text) {
    for (std::u16string_view part : parts)
        indexed_ |= index.echoesIn(part, which) != nullptr;
    if (!indexed_)
        return;
    echoed_.assign((index.prefixCount(which) + 63) / 64, 0);
    // Beside what the index knows of each long word, what stands between long words, with
    // the few characters of each that an occurrence across its edge can take.
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
        markPrefixesIn(between, index, which);
        between = part.substr(part.size() - kEdge);
    }
    markPrefixesIn(between, index, which);
}

void ClashTest::markPrefixesIn(std::u16string_view piece, const EchoIndex &index,
                               EchoIndex::Pool which) {
    uint32_t number = 0;
    for (size_t length = 1; length <= kPrefixLength; ++length)
        for (size_t at = 0; at + length <= piece.size(); ++at)
            if (index.findPrefix(which, piece.substr(at, length), number))
                mark(number);
}

bool ClashTest::clashes(int k) {
    if (!indexed_)
        return searchOrLookUp(pool_.word(k));
    const uint32_t number = pool_.prefixNumber(k);
    return (echoed_[number / 64] >> number % 64 & 1) != 0;
}

bool ClashTest::searchOrLookUp(std::u16string_view candidate) {
    const std::u16string_view prefix = candidate.substr(0, kPrefixLength);
    if (prefix.size() > text_.size()) // an empty text included
        return false;
    TextSet &table = tables_[prefix.size()];
    if (table.size() == 0 && searched_ >= kSearchesBeforeTable * text_.size() &&
        text_.size() >= kShortestTabledText && text_.size() <= kLongestTabledText) {
        for (size_t at = 0; at + prefix.size() <= text_.size(); ++at)
            table.add(text_.substr(at, prefix.size()));
    }
    uint32_t number = 0;
    if (table.size() > 0)
        return table.find(prefix, number);
    const size_t found = text_.find(prefix);
    searched_ += found == text_.npos ? text_.size() : found + prefix.size();
    return found != text_.npos;
}
