#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Makes text hold one line that every reader reads alike, in place; returns its new length,
// never more than before. A CR LF, any other control character but tab (C0, DEL, C1) and the
// line and paragraph separators become a space; an unpaired surrogate becomes U+FFFD; a
// bidirectional embedding, override or isolate that the text does not close is left out, so
// that none reaches past it.
size_t MakeOneLine(char16_t *text, size_t length);

// The same on a copy.
std::u16string OneLine(std::u16string_view text);
