#include "language.h"

#include "trimmed.h"

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

} // namespace

bool IsLanguageLine(std::u16string_view line) {
    line = TrimmedOfSpaces(line);
    return line.starts_with(kLanguageKeyword) && line.size() > kLanguageKeyword.size() + 1 &&
           line[kLanguageKeyword.size()] == u' ';
}

std::u16string_view LanguageCodeOf(std::u16string_view line) {
    return TrimmedOfSpaces(TrimmedOfSpaces(line).substr(kLanguageKeyword.size()));
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
