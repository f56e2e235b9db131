#pragma once

#include <string_view>

// The letters of the languages a list may be written in change case in one step: A to Z, and
// À to Þ but for ×, each 0x20 below its lower case. Other characters have no case here.
inline bool IsUpperCase(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'\u00C0' && c <= u'\u00DE' && c != u'\u00D7');
}

inline bool IsLowerCase(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'\u00E0' && c <= u'\u00FE' && c != u'\u00F7');
}

inline char16_t LowerCase(char16_t c) {
    return IsUpperCase(c) ? static_cast<char16_t>(c + 0x20) : c;
}

inline char16_t UpperCase(char16_t c) {
    return IsLowerCase(c) ? static_cast<char16_t>(c - 0x20) : c;
}

// Whether the text ends with `ending`, which is in lower case, whatever the text's case.
inline bool EndsWithInAnyCase(std::u16string_view text, std::u16string_view ending) {
    if (ending.size() > text.size())
        return false;
    const std::u16string_view end = text.substr(text.size() - ending.size());
    for (size_t i = 0; i < ending.size(); ++i)
        if (LowerCase(end[i]) != ending[i])
            return false;
    return true;
}
