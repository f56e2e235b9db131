#include "clash_test.h"

#include "words/word_pool.h"

#include <algorithm>
#include <string>

namespace {

// Building a table costs about as much as searching the text a few times; short texts are
// searched at once, and texts past what a position can hold are never tabled.
constexpr size_t kSearchesBeforeTable = 4;
constexpr size_t kShortestTabledText = 256;
constexpr size_t kLongestTabledText = UINT32_MAX / 2;

// Testing a whole pool in order, with each text fetched ahead, costs a fraction of testing as
// many candidates at random: it begins once the candidates tested come to 1/64 of the pool.
constexpr size_t kLeastTestsBeforeWholePool = 1024;
constexpr size_t kPoolShareBeforeWholePool = 64;

bool Bit(const std::vector<uint64_t> &bits, size_t at) {
    return (bits[at / 64] >> at % 64 & 1) != 0;
}

void SetBit(std::vector<uint64_t> &bits, size_t at) {
    bits[at / 64] |= uint64_t{1} << at % 64;
}

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
            SetBit(echoed_, number);
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
                SetBit(echoed_, number);
}

bool ClashTest::clashes(int k) {
    // Entries move only when a new pass reshuffles the pool.
    if (testedInPass_ == pool_.passes())
        return Bit(clashing_, k - 1);
    const size_t pool = pool_.size();
    if (++tested_ < std::max(kLeastTestsBeforeWholePool, pool / kPoolShareBeforeWholePool))
        return test(k);
    testWholePool();
    return Bit(clashing_, k - 1);
}

void ClashTest::testWholePool() {
    constexpr int kAhead = 32;
    const int n = pool_.size();
    clashing_.assign((n + 63) / 64, 0);
    for (int k = 1; k <= n; ++k) {
        if (k + kAhead <= n)
            pool_.prefetchText(k + kAhead);
        if (test(k))
            SetBit(clashing_, k - 1);
    }
    testedInPass_ = pool_.passes();
}

bool ClashTest::test(int k) {
    if (!indexed_)
        return searchOrLookUp(pool_.word(k));
    return Bit(echoed_, pool_.prefixNumber(k));
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
