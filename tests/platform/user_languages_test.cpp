#include "platform/user_languages.h"

#include <gtest/gtest.h>

namespace {

using namespace std::literals;
using Languages = std::vector<std::string>;

TEST(LocaleLanguages, FollowGettextsOrderOfTheVariables) {
    const struct {
        const char *language, *lcAll, *lcMessages, *lang;
        Languages expected;
    } rows[] = {
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", {"de"}},
        {nullptr, nullptr, nullptr, "fr_CA", {"fr"}},
        {nullptr, nullptr, nullptr, "de_AT.UTF-8@euro", {"de"}},
        {nullptr, nullptr, nullptr, "pt_BR", {"pt"}},
        {nullptr, nullptr, nullptr, "C", {}},
        {nullptr, nullptr, nullptr, "POSIX", {}},
        {nullptr, nullptr, nullptr, "C.UTF-8", {}},
        {nullptr, nullptr, nullptr, nullptr, {}},
        // The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty.
        {nullptr, "es_ES.UTF-8", "fr_FR", "de_DE", {"es"}},
        {nullptr, "", "fr_FR", "de_DE", {"fr"}},
        {nullptr, nullptr, "", "de_DE", {"de"}},
        {nullptr, "C", nullptr, "de_DE", {}},
        {nullptr, nullptr, "POSIX", "de_DE", {}},
        // LANGUAGE's list stands in for the locale, but only where there is one other than C.
        {"es:de", nullptr, nullptr, "fr_FR.UTF-8", {"es", "de"}},
        {"pt_BR::de_CH", nullptr, nullptr, "en_US", {"pt", "de"}},
        {"es:de", nullptr, nullptr, "C", {}},
        {"es:de", nullptr, nullptr, "", {}},
        {"es:de", nullptr, nullptr, nullptr, {}},
        {"es:de", "C.UTF-8", nullptr, "fr_FR", {}},
        {"", nullptr, nullptr, "fr_FR", {"fr"}},
    };
    for (const auto &row : rows) {
        const auto text = [](const char *value) { return value ? "\""s + value + "\"" : "unset"s; };
        EXPECT_EQ(LocaleLanguages(row.language, row.lcAll, row.lcMessages, row.lang), row.expected)
            << "LANGUAGE " << text(row.language) << ", LC_ALL " << text(row.lcAll)
            << ", LC_MESSAGES " << text(row.lcMessages) << ", LANG " << text(row.lang);
    }
}

TEST(InterfaceLanguages, AreTheLanguagesOfTheNamesInTheirOrder) {
    const struct {
        std::wstring_view names;
        Languages expected;
    } rows[] = {
        {L"de-DE\0en-US\0\0"sv, {"de", "en"}},
        {L"fr-CA\0\0"sv, {"fr"}},
        {L"es-MX\0pt-BR"sv, {"es", "pt"}},
        {L"zh-Hans-CN\0es-419\0\0"sv, {"zh", "es"}},
        {L"d\u00e9-DE\0es\0\0"sv, {"es"}},
        {L"\0"sv, {}},
        {L""sv, {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(InterfaceLanguages(row.names), row.expected) << row.names.size() << " characters";
}

TEST(LanguageOfName, IsTheCodeBeforeTheCountryEncodingAndModifier) {
    const struct {
        const char *name, *expected;
    } rows[] = {
        {"de_AT.UTF-8@euro", "de"},
        {"de-AT", "de"},
        {"DE", "de"},
        {"es", "es"},
        {"ast_ES", "ast"},
        {"fr.UTF-8", "fr"},
        {"C", ""},
        {"POSIX", ""},
        {"", ""},
        {"d1_DE", ""},
        {"deutsch", ""},
        {"_DE", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(LanguageOfName(row.name), row.expected) << row.name;
}

} // namespace
