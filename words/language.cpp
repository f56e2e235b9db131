#include "language.h"

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

std::u16string_view TrimSpaces(std::u16string_view text) {
    const size_t first = text.find_first_not_of(u' ');
    if (first == text.npos)
        return {};
    return text.substr(first, text.find_last_not_of(u' ') + 1 - first);
}

} // namespace

bool IsLanguageLine(std::u16string_view line) {
    line = TrimSpaces(line);
    return line.starts_with(kLanguageKeyword) && line.size() > kLanguageKeyword.size() + 1 &&
           line[kLanguageKeyword.size()] == u' ';
}

std::u16string_view LanguageCodeOf(std::u16string_view line) {
    return TrimSpaces(TrimSpaces(line).substr(kLanguageKeyword.size()));
}

std::optional<Language> LanguageOfCode(std::u16string_view code) {
    for (const LanguageRow &row : kLanguages)
        if (row.code == code)
            return row.language;
    return std::nullopt;
}

std::u16string_view CodeOf(Language language) {
    return kLanguages[static_cast<int>(language)].code;
}

int GenderCount(Language language) {
    return kLanguages[static_cast<int>(language)].genders;
}
