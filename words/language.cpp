#include "language.h"

#include "letter_case.h"

namespace {

struct LanguageRow {
    Language language;
    std::u16string_view code;
    int genders;
};

// By the enum's order.
constexpr LanguageRow kLanguages[] = {
    {Language::English, u"en", 1},
    {Language::German, u"de", 3},
    {Language::French, u"fr", 2},
    {Language::Spanish, u"es", 2},
};

// A language line may space its parts with spaces and tabs alike: the two look the same.
bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

std::u16string_view TrimmedOfBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Whether the text is the lower-case `word` in any case.
bool EqualsInAnyCase(std::u16string_view text, std::u16string_view word) {
    return text.size() == word.size() && EndsWithInAnyCase(text, word);
}

} // namespace

bool IsLanguageLine(std::u16string_view line) {
    line = TrimmedOfBlanks(line);
    const size_t keyword = kLanguageKeyword.size();
    return line.size() > keyword && EqualsInAnyCase(line.substr(0, keyword), kLanguageKeyword) &&
           IsBlank(line[keyword]);
}

std::u16string_view LanguageCodeOf(std::u16string_view line) {
    return TrimmedOfBlanks(TrimmedOfBlanks(line).substr(kLanguageKeyword.size()));
}

std::optional<Language> LanguageOfCode(std::u16string_view code) {
    for (const LanguageRow &row : kLanguages)
        if (EqualsInAnyCase(code, row.code))
            return row.language;
    return std::nullopt;
}

std::u16string_view CodeOf(Language language) {
    return kLanguages[static_cast<int>(language)].code;
}

int GenderCount(Language language) {
    return kLanguages[static_cast<int>(language)].genders;
}
