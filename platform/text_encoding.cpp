#include "text_encoding.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves undefined keep their own
// value, as the other 8-bit bytes do.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Writes one code point at out[at], as one or two UTF-16 units; returns the units written.
size_t PutCodePoint(char16_t *out, size_t at, char32_t code) {
    if (code < 0x10000) {
        out[at] = static_cast<char16_t>(code);
        return 1;
    }
    code -= 0x10000;
    out[at] = static_cast<char16_t>(0xD800 + (code >> 10));
    out[at + 1] = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    return 2;
}

// Bytes in the sequence a lead byte opens, or 0 for a byte that cannot open one.
int SequenceLength(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// The smallest code point a sequence of each length may carry; anything less is overlong.
constexpr std::array<char32_t, 5> kSmallestOfLength = {0, 0, 0x80, 0x800, 0x10000};

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

size_t Utf8ToUtf16(std::string_view bytes, char16_t *out) {
    size_t written = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out[written++] = lead;
            ++i;
            continue;
        }
        const int length = SequenceLength(lead);
        if (length == 0 || bytes.size() - i < static_cast<size_t>(length))
            return kNotUtf8;
        char32_t code = lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (!IsContinuation(next))
                return kNotUtf8;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < kSmallestOfLength[length] || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF))
            return kNotUtf8;
        written += PutCodePoint(out, written, code);
        i += length;
    }
    return written;
}

void Cp1252ToUtf16(std::string_view bytes, char16_t *out) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte;
    }
}

size_t EightBitToUtf16(std::string_view bytes, char16_t *out) {
    const size_t written = Utf8ToUtf16(bytes, out);
    if (written != kNotUtf8)
        return written;
    Cp1252ToUtf16(bytes, out);
    return bytes.size();
}

size_t Utf8SequenceLength(unsigned char lead) {
    return lead < 0x80 ? 1 : static_cast<size_t>(SequenceLength(lead));
}

size_t CutUtf8Sequence(std::string_view bytes) {
    // A sequence is at most four bytes long, so only the last three can open a cut one.
    for (size_t back = 1; back <= std::min<size_t>(3, bytes.size()); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if (!IsContinuation(byte))
            return static_cast<size_t>(SequenceLength(byte)) > back ? back : 0;
    }
    return 0;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendAsUtf8(text, out);
    return out;
}

void AppendAsUtf8(std::u16string_view text, std::string &out) {
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
}
