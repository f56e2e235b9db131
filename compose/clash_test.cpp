#include "clash_test.h"

#include "words/word_pool.h"

#include <bit>
#include <string>

namespace {

// Building a table costs about as much as searching the text a few times; short texts are
// searched at once, and texts past what a position can hold are never tabled.
constexpr size_t kSearchesBeforeTable = 4;
constexpr size_t kShortestTabledText = 256;
constexpr size_t kLongestTabledText = UINT32_MAX / 2;

} // namespace

ClashTest::Substrings::Substrings(std::u16string_view text, size_t length)
    : text_(text), length_(length) {
    const size_t count = text.size() - length + 1;
    slots_.resize(std::bit_ceil(count + count / 2 + 1));
    const size_t mask = slots_.size() - 1;
    for (size_t position = 0; position < count; ++position) {
        const std::u16string_view part = text.substr(position, length);
        for (size_t slot = HashText(part) & mask;; slot = (slot + 1) & mask) {
            if (slots_[slot] == 0) {
                slots_[slot] = static_cast<uint32_t>(position + 1);
                break;
            }
            if (text.substr(slots_[slot] - 1, length) == part)
                break;
        }
    }
}

bool ClashTest::Substrings::contains(std::u16string_view part) const {
    const size_t mask = slots_.size() - 1;
    for (size_t slot = HashText(part) & mask; slots_[slot] != 0; slot = (slot + 1) & mask)
        if (text_.substr(slots_[slot] - 1, length_) == part)
            return true;
    return false;
}

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
    std::optional<Substrings> &table = tables_[prefix.size()];
    if (!table && searched_ >= kSearchesBeforeTable * text_.size() &&
        text_.size() >= kShortestTabledText && text_.size() <= kLongestTabledText)
        table.emplace(text_, prefix.size());
    if (table)
        return table->contains(prefix);
    const size_t found = text_.find(prefix);
    searched_ += found == text_.npos ? text_.size() : found + prefix.size();
    return found != text_.npos;
}
