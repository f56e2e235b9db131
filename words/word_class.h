#pragma once

#include <optional>
#include <string_view>

// The three classes of word a list holds.
enum class WordClass { Adverb, Adjective, Noun };

inline constexpr int kWordClassCount = 3;

// Each class with the two letters that tag its lines in a word list and the name it is told by.
struct WordClassRow {
    WordClass wordClass;
    char16_t upper, lower;
    std::u16string_view name;
};

// By the enum's order, so that a class's row is its number.
inline constexpr WordClassRow kWordClasses[kWordClassCount] = {
    {WordClass::Adverb, u'V', u'v', u"adverb"},
    {WordClass::Adjective, u'J', u'j', u"adjective"},
    {WordClass::Noun, u'N', u'n', u"noun"},
};

// The class that a line's tag stands for, or none.
constexpr std::optional<WordClass> ClassOfTag(int tag) {
    for (const WordClassRow &row : kWordClasses)
        if (tag == row.upper || tag == row.lower)
            return row.wordClass;
    return std::nullopt;
}

constexpr std::u16string_view ClassName(WordClass wordClass) {
    return kWordClasses[static_cast<int>(wordClass)].name;
}
