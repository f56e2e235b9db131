#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Whether a unit does not show, or shows as something it is not: controls, characters that
// change when a word is made one line, surrogates, unseen characters and spaces other than
// the space.
bool ShownAsCode(char16_t unit);

// Whether a character is a space that a word keeps at its ends, as loading trims only U+0020.
bool IsOtherSpace(char16_t unit);

// A character as an escape: `\u200B`, or beyond 16 bits `\U000E0041`.
std::u16string CodeOf(char32_t code);

// A word in quotes, with tabs, quotes, backslashes, units ShownAsCode and unseen characters
// beyond 16 bits written as escapes, so that every unit can be read back.
std::u16string Quoted(std::u16string_view word);

// A file's name as the messages show it: as it is where every character shows; else quoted
// as a word, and on Linux with each byte that is not UTF-8 as `\xFF`.
std::u16string EscapedName(const std::filesystem::path &path);
