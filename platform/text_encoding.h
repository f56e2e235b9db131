#pragma once

#include <string>
#include <string_view>

// Bytes of one line of a text file as UTF-16, into `line` (whose memory is reused). Valid UTF-8
// is decoded as such; anything else is taken as Windows-1252, the code page older word lists
// were written in.
void DecodeLine(std::string_view bytes, std::u16string &line);

// UTF-16 text as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view text);
