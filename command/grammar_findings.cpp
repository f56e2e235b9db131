#include "grammar_findings.h"

#include "escaped_text.h"
#include "platform/display_text.h"
#include "words/adjective_forms.h"

#include <string>

namespace {

std::u16string LeftOutBecause(const LineReading &reading) {
    const std::u16string code(CodeOf(reading.language));
    switch (reading.grammar) {
    case GrammarVerdict::NounWithoutGender:
        return u"a noun without a gender in a list in " + code +
               u": no adjective could agree with it (write Nm, Nf or Nn)";
    case GrammarVerdict::NotAGender:
        return u"the letter " + std::u16string(1, reading.shape.grammarLetter()) +
               u" is no gender of a noun in " + code;
    case GrammarVerdict::NotAPlace:
        return u"the letter " + std::u16string(1, reading.shape.grammarLetter()) +
               u" is no place of an adjective: a (after the noun) or b (before it)";
    case GrammarVerdict::MissingForm:
        return u"the adjective " + Quoted(reading.raw) + u" needs " +
               Decimal(GenderCount(reading.language)) + u" forms in " + code +
               u", separated by \"/\", none empty";
    case GrammarVerdict::AdverbWithLetter:
        return u"an adverb takes no letter after its V: it never changes";
    case GrammarVerdict::Kept:
        break;
    }
    return {};
}

// The forms the rule makes from the spelled-out masculine (French, Spanish) or feminine
// (German, whose strong feminine is the uninflected form with its e), beside those given.
void CompareWithRule(const LineReading &reading, FindingLog &findings) {
    const Gender base = reading.language == Language::German ? Gender::Feminine : Gender::Masculine;
    const std::u16string_view from = SpelledForm(reading.kept, base);
    for (int g = 0; g < GenderCount(reading.language); ++g) {
        const auto gender = static_cast<Gender>(g);
        std::u16string ruled;
        AppendRuleForm(ruled, from, reading.language, gender);
        const std::u16string_view given = SpelledForm(reading.kept, gender);
        if (ruled != given)
            findings.add(FindingKind::Grammar, reading.number, [&] {
                return u"note: the " + std::u16string(GenderName(gender)) + u" " + Quoted(given) +
                       u" is not what the rule makes of " + Quoted(from) + u", " + Quoted(ruled) +
                       u": right if the word is irregular";
            });
    }
}

// A language line, or a line that looks like one mistyped: whether the line was one.
bool JudgeLanguageLine(const LineReading &reading, FindingLog &findings) {
    switch (reading.languageLine) {
    case LanguageLineVerdict::UnknownLanguage:
        findings.add(FindingKind::Grammar, reading.number, [&] {
            return u"the language " + Quoted(LanguageCodeOf(reading.raw)) +
                   u" is unknown (de, fr, es or en): the list is read as English";
        });
        return true;
    case LanguageLineVerdict::TooLate:
        findings.add(FindingKind::Grammar, reading.number, [&] {
            return std::u16string(u"a language line after a word or another language line is "
                                  u"ignored: put one before the first word");
        });
        return true;
    case LanguageLineVerdict::Taken:
        return true;
    case LanguageLineVerdict::NotALanguageLine:
        break;
    }
    if (reading.shape.isDirective()) {
        // Only one line begins with "@": any other is most likely a language line mistyped.
        findings.add(FindingKind::Grammar, reading.number, [&] {
            return u"the line " + Quoted(reading.raw) +
                   u" begins with \"@\" but is no \"@language\" and a code (de, fr, es or "
                   u"en): it is ignored";
        });
        return true;
    }
    return false;
}

// Notes on a word that a list in a language with grammar takes.
void JudgeTakenWord(const LineReading &reading, FindingLog &findings) {
    const char16_t letter = reading.shape.grammarLetter();
    if (reading.wordClass != WordClass::Adjective) {
        if (SpellsFormsOut(reading.kept))
            findings.add(FindingKind::Grammar, reading.number, [&] {
                return u"note: the " + std::u16string(ClassName(*reading.wordClass)) + u" " +
                       Quoted(reading.kept) +
                       u" holds \"/\", which separates the forms of adjectives only: it is "
                       u"printed as it is";
            });
        return;
    }
    if (reading.shape.hasGrammarWord() && PlaceOfLetter(letter) == Place::After &&
        !ListSaysPlace(reading.language))
        findings.add(FindingKind::Grammar, reading.number, [&] {
            return u"note: every adjective stands before the noun in " +
                   std::u16string(CodeOf(reading.language)) + u", so the letter " +
                   std::u16string(1, letter) + u" is ignored (write Jb)";
        });
    if (SpellsFormsOut(reading.kept))
        CompareWithRule(reading, findings);
}

} // namespace

std::u16string_view GenderName(Gender gender) {
    static constexpr std::u16string_view kNames[] = {u"masculine", u"feminine", u"neuter"};
    return kNames[static_cast<int>(gender)];
}

bool JudgeGrammar(const LineReading &reading, FindingLog &findings) {
    if (JudgeLanguageLine(reading, findings))
        return true;
    if (!reading.wordClass)
        return false;
    const char16_t letter = reading.shape.grammarLetter();
    if (reading.language == Language::English && reading.shape.hasGrammarWord() &&
        (GenderOfLetter(letter) || PlaceOfLetter(letter))) {
        findings.add(FindingKind::Grammar, reading.number, [&] {
            return u"a grammar letter after the class letter, in a list read as English, which "
                   u"has none (a list says its language with @language de, fr or es before its "
                   u"first word): nothing is taken";
        });
        return false;
    }
    if (reading.grammar != GrammarVerdict::Kept) {
        findings.add(FindingKind::Grammar, reading.number,
                     [&] { return LeftOutBecause(reading) + u": nothing is taken"; });
        return true;
    }
    if (reading.language == Language::English || reading.kept.empty())
        return false;
    JudgeTakenWord(reading, findings);
    return false;
}
