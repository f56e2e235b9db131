#include "user_languages.h"

namespace {

bool IsSet(const char *value) {
    return value != nullptr && *value != '\0';
}

// The locale gettext reads messages in, "C" where nothing names one.
std::string_view MessagesLocale(const char *lcAll, const char *lcMessages, const char *lang) {
    for (const char *value : {lcAll, lcMessages, lang}) {
        if (IsSet(value))
            return value;
    }
    return "C";
}

bool IsProgramsOwnLocale(std::string_view locale) {
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    return name == "C" || name == "POSIX";
}

void AddLanguageOf(std::string_view name, std::vector<std::string> &languages) {
    std::string language = LanguageOfName(name);
    if (!language.empty())
        languages.push_back(std::move(language));
}

} // namespace

std::string LanguageOfName(std::string_view name) {
    // ISO 639 codes have two or three letters; anything else names no language.
    const std::string_view code = name.substr(0, name.find_first_of("_-.@"));
    if (code.size() < 2 || code.size() > 3)
        return {};
    std::string language;
    for (const char c : code) {
        if (c >= 'A' && c <= 'Z')
            language += static_cast<char>(c - 'A' + 'a');
        else if (c >= 'a' && c <= 'z')
            language += c;
        else
            return {};
    }
    return language;
}

std::vector<std::string> LocaleLanguages(const char *language, const char *lcAll,
                                         const char *lcMessages, const char *lang) {
    const std::string_view locale = MessagesLocale(lcAll, lcMessages, lang);
    if (IsProgramsOwnLocale(locale))
        return {};
    std::vector<std::string> languages;
    if (!IsSet(language)) {
        AddLanguageOf(locale, languages);
        return languages;
    }
    std::string_view list = language;
    for (;;) {
        const size_t colon = list.find(':');
        AddLanguageOf(list.substr(0, colon), languages);
        if (colon == list.npos)
            return languages;
        list.remove_prefix(colon + 1);
    }
}

std::vector<std::string> InterfaceLanguages(std::wstring_view names) {
    std::vector<std::string> languages;
    while (!names.empty()) {
        const size_t end = names.find(L'\0');
        std::string name;
        for (const wchar_t c : names.substr(0, end))
            name += c < 0x80 ? static_cast<char>(c) : '?';
        AddLanguageOf(name, languages);
        if (end == names.npos)
            break;
        names.remove_prefix(end + 1);
    }
    return languages;
}
