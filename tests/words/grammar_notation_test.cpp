#include "words/adjective_forms.h"
#include "words/grammar_tag.h"
#include "words/language.h"
#include "words/letter_case.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct LanguageLineRow {
    std::u16string_view line;
    bool isLanguageLine;
    std::optional<Language> language;
};

const LanguageLineRow kLanguageLines[] = {
    {u"@language de", true, Language::German},
    {u"  @language   fr  ", true, Language::French},
    {u"@language es", true, Language::Spanish},
    {u"@language en", true, Language::English},
    {u"@language it", true, std::nullopt},
    {u"@language DE", true, Language::German},
    {u"@language", false, std::nullopt},
    {u"@language ", false, std::nullopt},
    {u"@languagede", false, std::nullopt},
    {u"@Language de", true, Language::German},
    {u"# @language de", false, std::nullopt},
    {u"@LANGUAGE Fr", true, Language::French},
    {u"@language\tes", true, Language::Spanish},
    {u"@language de\t", true, Language::German},
    {u"\t@language \t de \t", true, Language::German},
    {u"@language\t", false, std::nullopt},
    {u"@languages de", false, std::nullopt},
    {u"@language d e", true, std::nullopt},
};

TEST(LanguageLine, SaysTheListsLanguageInAnyCaseSpacedBySpacesOrTabs) {
    for (const LanguageLineRow &row : kLanguageLines) {
        SCOPED_TRACE(std::string(row.line.begin(), row.line.end()));
        EXPECT_EQ(IsLanguageLine(row.line), row.isLanguageLine);
        if (row.isLanguageLine)
            EXPECT_EQ(LanguageOfCode(LanguageCodeOf(row.line)), row.language);
    }
}

TEST(LanguageLine, CodeOfALanguageReadsBackAsIt) {
    for (Language language :
         {Language::English, Language::German, Language::French, Language::Spanish})
        EXPECT_EQ(LanguageOfCode(CodeOf(language)), language);
}

TEST(GrammarTag, SecondLetterGivesGenderOrPlaceInEitherCase) {
    EXPECT_EQ(GenderOfLetter(u'm'), Gender::Masculine);
    EXPECT_EQ(GenderOfLetter(u'F'), Gender::Feminine);
    EXPECT_EQ(GenderOfLetter(u'n'), Gender::Neuter);
    EXPECT_EQ(GenderOfLetter(u'a'), std::nullopt);
    EXPECT_EQ(PlaceOfLetter(u'a'), Place::After);
    EXPECT_EQ(PlaceOfLetter(u'B'), Place::Before);
    EXPECT_EQ(PlaceOfLetter(u'm'), std::nullopt);
}

TEST(GrammarTag, FrenchAndSpanishHaveNoNeuter) {
    EXPECT_TRUE(HasGender(Language::German, Gender::Neuter));
    EXPECT_FALSE(HasGender(Language::French, Gender::Neuter));
    EXPECT_FALSE(HasGender(Language::Spanish, Gender::Neuter));
    EXPECT_TRUE(HasGender(Language::Spanish, Gender::Feminine));
}

TEST(LetterCase, ChangesOnlyLettersWhoseCaseIsOneStepAway) {
    const std::pair<char16_t, char16_t> kPairs[] = {{u'a', u'A'},
                                                    {u'z', u'Z'},
                                                    {u'\u00e0', u'\u00c0'},
                                                    {u'\u00e8', u'\u00c8'},
                                                    {u'\u00fe', u'\u00de'}};
    for (const auto &[lower, upper] : kPairs) {
        EXPECT_EQ(UpperCase(lower), upper);
        EXPECT_EQ(LowerCase(upper), lower);
    }
    for (const char16_t none :
         {u'-', u' ', u'@', u'\u00f7', u'\u00d7', u'\u00df', u'\u00ff', u'\u0153', u'\u00bf'}) {
        EXPECT_EQ(UpperCase(none), none);
        EXPECT_EQ(LowerCase(none), none);
    }
}

struct FormRow {
    Language language;
    std::u16string_view written;
    Gender gender;
    std::u16string_view form;
};

// Each gender against each way an adjective gets its form.
const FormRow kForms[] = {
    // German: the rule after a final e, the rule after anything else, spelled out.
    {Language::German, u"feige", Gender::Masculine, u"feiger"},
    {Language::German, u"feige", Gender::Feminine, u"feige"},
    {Language::German, u"feige", Gender::Neuter, u"feiges"},
    {Language::German, u"stinkend", Gender::Masculine, u"stinkender"},
    {Language::German, u"stinkend", Gender::Feminine, u"stinkende"},
    {Language::German, u"stinkend", Gender::Neuter, u"stinkendes"},
    {Language::German, u"dunkler/dunkle/dunkles", Gender::Masculine, u"dunkler"},
    {Language::German, u"dunkler/dunkle/dunkles", Gender::Feminine, u"dunkle"},
    {Language::German, u"dunkler / dunkle / dunkles", Gender::Neuter, u"dunkles"},
    // French: each ending of the rule, and spelled out.
    {Language::French, u"sale", Gender::Masculine, u"sale"},
    {Language::French, u"sale", Gender::Feminine, u"sale"},
    {Language::French, u"visqueux", Gender::Masculine, u"visqueux"},
    {Language::French, u"visqueux", Gender::Feminine, u"visqueuse"},
    {Language::French, u"n\u00e9gatif", Gender::Feminine, u"n\u00e9gative"},
    {Language::French, u"cruel", Gender::Feminine, u"cruelle"},
    {Language::French, u"v\u00e9nusien", Gender::Feminine, u"v\u00e9nusienne"},
    {Language::French, u"poltron", Gender::Feminine, u"poltronne"},
    {Language::French, u"grossier", Gender::Feminine, u"grossi\u00e8re"},
    {Language::French, u"maigrelet", Gender::Feminine, u"maigrelette"},
    {Language::French, u"puant", Gender::Feminine, u"puante"},
    {Language::French, u"vieux/vieille", Gender::Masculine, u"vieux"},
    {Language::French, u"vieux/vieille", Gender::Feminine, u"vieille"},
    // Spanish: each ending of the rule, unchanged, and spelled out.
    {Language::Spanish, u"baboso", Gender::Masculine, u"baboso"},
    {Language::Spanish, u"baboso", Gender::Feminine, u"babosa"},
    {Language::Spanish, u"traidor", Gender::Feminine, u"traidora"},
    {Language::Spanish, u"ll\u00f3ron", Gender::Feminine, u"ll\u00f3ron"},
    {Language::Spanish, u"llor\u00f3n", Gender::Feminine, u"llorona"},
    {Language::Spanish, u"holgaz\u00e1n", Gender::Feminine, u"holgazana"},
    {Language::Spanish, u"chiquit\u00edn", Gender::Feminine, u"chiquitina"},
    {Language::Spanish, u"in\u00fatil", Gender::Feminine, u"in\u00fatil"},
    {Language::Spanish, u"in\u00fatil", Gender::Masculine, u"in\u00fatil"},
    {Language::Spanish, u"peor/peor", Gender::Feminine, u"peor"},
    {Language::Spanish, u"cabez\u00f3n/cabezona", Gender::Masculine, u"cabez\u00f3n"},
    // Capitals: the rule finds its ending whatever the case, and writes it in the word's.
    {Language::German, u"FEIGE", Gender::Neuter, u"FEIGES"},
    {Language::German, u"STINKEND", Gender::Masculine, u"STINKENDER"},
    {Language::German, u"Stinkend", Gender::Feminine, u"Stinkende"},
    {Language::French, u"SALE", Gender::Feminine, u"SALE"},
    {Language::French, u"VISQUEUX", Gender::Feminine, u"VISQUEUSE"},
    {Language::French, u"N\u00c9GATIF", Gender::Feminine, u"N\u00c9GATIVE"},
    {Language::French, u"GROSSIER", Gender::Feminine, u"GROSSI\u00c8RE"},
    {Language::French, u"PUANT", Gender::Feminine, u"PUANTE"},
    {Language::French, u"PUANT", Gender::Masculine, u"PUANT"},
    {Language::Spanish, u"BABOSO", Gender::Feminine, u"BABOSA"},
    {Language::Spanish, u"TRAIDOR", Gender::Feminine, u"TRAIDORA"},
    {Language::Spanish, u"LLOR\u00d3N", Gender::Feminine, u"LLORONA"},
    {Language::Spanish, u"HOLGAZ\u00c1N", Gender::Feminine, u"HOLGAZANA"},
    {Language::Spanish, u"CHIQUIT\u00cdN", Gender::Feminine, u"CHIQUITINA"},
};

TEST(AdjectiveForm, AgreesWithTheNounsGenderByRuleOrAsSpelledOut) {
    for (const FormRow &row : kForms) {
        SCOPED_TRACE(std::string(row.written.begin(), row.written.end()) + " " +
                     std::to_string(static_cast<int>(row.gender)));
        ASSERT_TRUE(HasEveryForm(row.written, row.language));
        std::u16string form = u"[";
        AppendAgreeingForm(form, row.written, row.language, row.gender);
        EXPECT_EQ(form, u"[" + std::u16string(row.form));
    }
}

struct EveryFormRow {
    Language language;
    std::u16string_view written;
    bool hasEveryForm;
};

const EveryFormRow kEveryForm[] = {
    {Language::German, u"a/b", false},   {Language::German, u"a/b/c/d", false},
    {Language::German, u"a//c", false},  {Language::German, u"a/ /c", false},
    {Language::French, u"a/b/c", false}, {Language::French, u"a/", false},
    {Language::Spanish, u"/b", false},   {Language::Spanish, u"a/b", true},
    {Language::German, u"a", true},      {Language::French, u"a b", true},
};

TEST(AdjectiveForm, SpelledOutFormsMustBeOnePerGenderAndNoneEmpty) {
    for (const EveryFormRow &row : kEveryForm) {
        SCOPED_TRACE(std::string(row.written.begin(), row.written.end()));
        EXPECT_EQ(HasEveryForm(row.written, row.language), row.hasEveryForm);
    }
}

} // namespace
