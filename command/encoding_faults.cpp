#include "encoding_faults.h"

#include "platform/byte_source.h"

#include <array>
#include <bitset>
#include <optional>
#include <string_view>

namespace {

// Without a mark, UTF-16 shows in its bytes as pairs whose one byte varies little: the high
// byte, zero for every tag, space and line end, and one of a few values within a script,
// whichever script it is. Text of 8 bits holds no zero bytes at all.
std::optional<std::u16string_view> LooksLikeUtf16(const ByteSource &text) {
    char bytes[4096];
    const size_t count = text.read(0, bytes, sizeof bytes) & ~size_t{1};
    std::array<size_t, 2> zeros{};
    std::array<std::bitset<256>, 2> values;
    for (size_t i = 0; i < count; ++i) {
        zeros[i % 2] += bytes[i] == 0;
        values[i % 2].set(static_cast<unsigned char>(bytes[i]));
    }
    for (const size_t high : {1, 0}) {
        const size_t low = 1 - high;
        if (zeros[high] > count / 64 && zeros[low] * 8 < zeros[high] &&
            values[high].count() < values[low].count())
            return high == 1 ? u"little-endian" : u"big-endian";
    }
    return std::nullopt;
}

} // namespace

void FindEncodingFaults(const ByteSource &text, TextReader::Encoding encoding,
                        FindingLog &findings) {
    if (encoding == TextReader::Encoding::EightBit) {
        if (const auto order = LooksLikeUtf16(text))
            findings.add(FindingKind::WholeList, 0, [&] {
                return u"this looks like UTF-16 " + std::u16string(*order) +
                       u" without its byte-order mark, so it is read as bytes and no word is "
                       u"taken: save it with the mark, or as UTF-8";
            });
    } else if (text.size() % 2 == 1) {
        findings.add(FindingKind::WholeList, 0, [] {
            return std::u16string(u"the last byte is left over: UTF-16 takes two bytes a "
                                  u"character, so it is not read");
        });
    }
}
