#include "unseen_characters.h"

#include <algorithm>
#include <iterator>

namespace {

struct UnseenRange {
    char32_t first, last;
    Unseen kind;
};

// In order of code point, for a binary search.
constexpr UnseenRange kUnseen[] = {
    {0x00AD, 0x00AD, Unseen::Ignored},         {0x034F, 0x034F, Unseen::Ignored},
    {0x061C, 0x061C, Unseen::Ignored},         {0x115F, 0x1160, Unseen::Ignored},
    {0x17B4, 0x17B5, Unseen::Ignored},         {0x180B, 0x180F, Unseen::Ignored},
    {0x200B, 0x200F, Unseen::Ignored},         {0x202A, 0x202B, Unseen::OpensEmbedding},
    {0x202C, 0x202C, Unseen::ClosesEmbedding}, {0x202D, 0x202E, Unseen::OpensEmbedding},
    {0x2060, 0x2065, Unseen::Ignored},         {0x2066, 0x2068, Unseen::OpensIsolate},
    {0x2069, 0x2069, Unseen::ClosesIsolate},   {0x206A, 0x206F, Unseen::Ignored},
    {0x3164, 0x3164, Unseen::Ignored},         {0xFE00, 0xFE0F, Unseen::Ignored},
    {0xFEFF, 0xFEFF, Unseen::Ignored},         {0xFFA0, 0xFFA0, Unseen::Ignored},
    {0xFFF0, 0xFFFB, Unseen::Ignored},         {0x1BCA0, 0x1BCA3, Unseen::Ignored},
    {0x1D173, 0x1D17A, Unseen::Ignored},       {0xE0000, 0xE0FFF, Unseen::Ignored},
};

} // namespace

Unseen UnseenKind(char32_t code) {
    if (code < kUnseen[0].first)
        return Unseen::Shows; // most text, at once
    const auto after =
        std::upper_bound(std::begin(kUnseen), std::end(kUnseen), code,
                         [](char32_t c, const UnseenRange &r) { return c < r.first; });
    if (after == std::begin(kUnseen))
        return Unseen::Shows;
    const UnseenRange &range = *std::prev(after);
    return code <= range.last ? range.kind : Unseen::Shows;
}
