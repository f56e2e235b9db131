#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The language a word list is written in. A list that does not say is English, and is read
// exactly as lists were before any other language was known.
enum class Language : uint8_t { English, German, French, Spanish };

// The word that opens a line saying the list's language, as in "@language de".
inline constexpr std::u16string_view kLanguageKeyword = u"@language";

// Whether a line, its spaces and tabs trimmed from both ends, says the list's language: the
// keyword in any case, one or more spaces or tabs, then a code.
bool IsLanguageLine(std::u16string_view line);

// The code that such a line gives, spaces and tabs trimmed.
std::u16string_view LanguageCodeOf(std::u16string_view line);

// The language of a code: en, de, fr or es, in either case; none for any other.
std::optional<Language> LanguageOfCode(std::u16string_view code);

// The code of a language, as a list writes it.
std::u16string_view CodeOf(Language language);

// How many genders the language's nouns have, and so how many forms its adjectives have: one in
// English, where neither changes.
int GenderCount(Language language);
