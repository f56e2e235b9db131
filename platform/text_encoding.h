#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

constexpr bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The character that a high and a low surrogate stand for together.
constexpr char32_t CodePointOf(char16_t high, char16_t low) {
    return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (low - 0xDC00);
}

// ASCII text, as UTF-16.
inline std::u16string AsciiToUtf16(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

// 8-bit text never takes more UTF-16 units than it has bytes, so `out` needs room for
// bytes.size() units in each of these.

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) as UTF-16; returns
// the units written, or kNotUtf8.
constexpr size_t kNotUtf8 = static_cast<size_t>(-1);
size_t Utf8ToUtf16(std::string_view bytes, char16_t *out);

// Windows-1252, the code page older word lists were written in, as UTF-16: one unit a byte.
void Cp1252ToUtf16(std::string_view bytes, char16_t *out);

// Valid UTF-8 as such, anything else as Windows-1252; returns the units written.
size_t EightBitToUtf16(std::string_view bytes, char16_t *out);

// Bytes in the UTF-8 sequence that `lead` begins: 1 for ASCII, 0 for a byte that begins none.
size_t Utf8SequenceLength(unsigned char lead);

// How many bytes at the end of `bytes` open a UTF-8 sequence that runs past it, so that text
// decoded piece by piece can carry them over to the next piece.
size_t CutUtf8Sequence(std::string_view bytes);

// UTF-16 text as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// The same, added to the end of `out`.
void AppendAsUtf8(std::u16string_view text, std::string &out);
