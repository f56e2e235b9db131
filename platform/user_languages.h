#pragma once

#include <string>
#include <string_view>
#include <vector>

// The languages the user reads, most wanted first, as lower-case codes ("de"); none where the
// user asks for the program's own words, as under the "C" locale. On Windows the user's
// interface languages; elsewhere the languages gettext would look for messages in.
std::vector<std::string> UserLanguages();

// gettext's rule, from the variables' values (null when unset; an empty value counts as unset):
// the locale is the first of LC_ALL, LC_MESSAGES and LANG, or "C" when none is set. Unless it
// is "C" or "POSIX" (with any encoding, as "C.UTF-8"), LANGUAGE's colon-separated list, when
// set, stands in its place.
std::vector<std::string> LocaleLanguages(const char *language, const char *lcAll,
                                         const char *lcMessages, const char *lang);

// The languages of a Windows list of language names, each ended by a NUL ("de-DE\0en-US\0\0").
std::vector<std::string> InterfaceLanguages(std::wstring_view names);

// The language of a locale's name or a language tag: "de_AT.UTF-8@euro" and "de-AT" give "de";
// empty for a name without one, as "C" or "POSIX".
std::string LanguageOfName(std::string_view name);
