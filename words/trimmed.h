#pragma once

#include <string_view>

// The text without the spaces at its ends; only U+0020 is a space here, as in every line of a
// word list.
inline std::u16string_view TrimmedOfSpaces(std::u16string_view text) {
    const size_t first = text.find_first_not_of(u' ');
    if (first == text.npos)
        return {};
    return text.substr(first, text.find_last_not_of(u' ') + 1 - first);
}
