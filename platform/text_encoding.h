#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// 8-bit text never takes more UTF-16 units than it has bytes, so `out` needs room for
// bytes.size() units in each of these.

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) as UTF-16; returns
// the units written, or kNotUtf8.
constexpr size_t kNotUtf8 = static_cast<size_t>(-1);
size_t DecodeUtf8(std::string_view bytes, char16_t *out);

// Windows-1252, the code page older word lists were written in, as UTF-16: one unit a byte.
void DecodeCp1252(std::string_view bytes, char16_t *out);

// Valid UTF-8 as such, anything else as Windows-1252; returns the units written.
size_t Decode8Bit(std::string_view bytes, char16_t *out);

// How many bytes at the end of `bytes` open a UTF-8 sequence that runs past it, so that text
// decoded piece by piece can carry them over to the next piece.
size_t CutUtf8Sequence(std::string_view bytes);

// A number in decimal digits.
std::u16string Decimal(uint64_t number);

// UTF-16 text as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view text);

// The same, added to the end of `out`.
void AppendUtf8(std::u16string_view text, std::string &out);

// Makes text hold one line that every reader reads alike, in place; returns its new length,
// never more than before. A CR LF, any other control character but tab (C0, DEL, C1) and the
// line and paragraph separators become a space; an unpaired surrogate becomes U+FFFD; a
// bidirectional embedding, override or isolate that the text does not close is left out, so
// that none reaches past it.
size_t MakeOneLine(char16_t *text, size_t length);

// The same on a copy.
std::u16string OneLine(std::u16string_view text);
