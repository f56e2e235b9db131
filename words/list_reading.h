#pragma once

#include "adjective_forms.h"
#include "excluded_words.h"
#include "grammar_reading.h"
#include "line_splitter.h"
#include "tagged_line.h"
#include "word_class.h"
#include "word_list.h"

#include "platform/text_reader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

// How the loader read one line of a word list: what a checker judges, so that it never reads a
// line another way. Views last only until the observer returns.
struct LineReading {
    uint64_t number; // from 1
    LineEnd end;
    const TaggedLine &shape;            // where its tag and word lie
    std::optional<WordClass> wordClass; // of its first letter, whether or not a word follows
    // The word as decoded, before cleaning; empty where the line gives no word to a pool.
    std::u16string_view raw;
    // The word as cleaned and kept in its pool; empty where it cleaned to nothing or was left out.
    std::u16string_view kept;
    const std::u16string *excludedAs; // the word to leave out that it matched, once cleaned
    // The list's language once the line is read, and, in a language other than English, what
    // its grammar made of the word (see ReadGrammar); a word left out for it is not kept.
    Language language = Language::English;
    GrammarVerdict grammar = GrammarVerdict::Kept;
    // For a line that begins with "@": whether it said the list's language; its text is `raw`.
    LanguageLineVerdict languageLine = LanguageLineVerdict::NotALanguageLine;
};

// The plain loader's observer: it looks at nothing, so the loader reads as if there were none.
struct IgnoreLines {
    void line(const LineReading &) {}
};

// Sorts the words of the text's tagged lines into the pools, leaving out the excluded, and
// tells `observer.line(reading)` how it read each line. A word is matched against the words
// to leave out as cleaned, as they are: a control character in it does not hide it.
template <typename Observer> class PoolFiller {
public:
    PoolFiller(WordLists &lists, const TextReader &reader, const ExcludedWords *leaveOut,
               Observer &observer)
        : lists_(lists), reader_(reader), leaveOut_(leaveOut), observer_(observer) {}

    void piece(std::u16string_view units, uint64_t position) { line_.feed(units, position); }

    void end(LineEnd how) {
        ++number_;
        const std::optional<WordClass> wordClass = ClassOfTag(line_.tag());
        LineReading reading{number_, how, line_, wordClass, {}, {}, nullptr};
        // Grammar lines count only once the list has said its language; until then, and in an
        // English list, they are ignored as they always were.
        const Language language = lists_.ListLanguage;
        const bool grammar = language != Language::English;
        if (line_.isDirective()) {
            reading.languageLine = readDirective();
            reading.raw = raw_;
        } else if (wordClass && (line_.hasWord() || (grammar && line_.hasGrammarWord()))) {
            wordSeen_ = true;
            WordPool &pool = PoolOf(lists_, *wordClass);
            const size_t most = line_.wordEnd() - line_.wordBegin();
            if constexpr (kObserved) {
                raw_.resize(most);
                raw_.resize(reader_.decode(line_.wordBegin(), line_.wordEnd(), raw_.data()));
                reading.raw = raw_;
            }
            GrammarReading read;
            const std::optional<char16_t> letter =
                line_.hasGrammarWord() ? std::optional(line_.grammarLetter()) : std::nullopt;
            const int before = pool.size();
            pool.appendWritten(most, [&](char16_t *out) {
                size_t length = 0;
                if constexpr (kObserved) {
                    std::copy(raw_.begin(), raw_.end(), out);
                    length = CleanWord(out, raw_.size());
                } else {
                    length =
                        CleanWord(out, reader_.decode(line_.wordBegin(), line_.wordEnd(), out));
                }
                if (leaveOut_)
                    reading.excludedAs = findExcluded({out, length}, *wordClass, grammar);
                if (reading.excludedAs)
                    return size_t{0};
                if (grammar && length > 0)
                    read = ReadGrammar(language, *wordClass, letter, {out, length});
                return read.verdict == GrammarVerdict::Kept ? length : 0;
            });
            reading.grammar = read.verdict;
            if (grammar && pool.size() > before)
                pool.setLastGrammar(read.grammar);
            if (kObserved && pool.size() > before)
                reading.kept = pool.word(pool.size());
        } else if (wordClass && line_.hasGrammarWord()) {
            wordSeen_ = true;
        }
        reading.language = lists_.ListLanguage;
        observer_.line(reading);
        line_ = {};
    }

private:
    static constexpr bool kObserved = !std::is_same_v<Observer, IgnoreLines>;

    // An adjective that spells its forms out is also left out by its first form, the one a
    // dictionary gives in French and Spanish: "vieux" leaves out "vieux/vieille".
    const std::u16string *findExcluded(std::u16string_view word, WordClass wordClass,
                                       bool grammar) const {
        const std::u16string *found = leaveOut_->find(word);
        if (!found && grammar && wordClass == WordClass::Adjective && SpellsFormsOut(word))
            found = leaveOut_->find(SpelledForm(word, Gender::Masculine));
        return found;
    }

    // A list says its language on a line of its own before its first word; only the first such
    // line counts. Decodes the line into raw_ whether observed or not: such lines are few.
    LanguageLineVerdict readDirective() {
        raw_.resize(line_.wordEnd() - line_.wordBegin());
        raw_.resize(reader_.decode(line_.wordBegin(), line_.wordEnd(), raw_.data()));
        if (!IsLanguageLine(raw_))
            return LanguageLineVerdict::NotALanguageLine;
        if (wordSeen_ || languageSaid_)
            return LanguageLineVerdict::TooLate;
        languageSaid_ = true;
        const std::optional<Language> language = LanguageOfCode(LanguageCodeOf(raw_));
        if (!language)
            return LanguageLineVerdict::UnknownLanguage;
        lists_.ListLanguage = *language;
        return LanguageLineVerdict::Taken;
    }

    WordLists &lists_;
    const TextReader &reader_;
    const ExcludedWords *leaveOut_;
    Observer &observer_;
    TaggedLine line_;
    uint64_t number_ = 0;
    std::u16string raw_;        // where observed, and for lines that begin with "@"
    bool wordSeen_ = false;     // a line with a class letter and a word has been read
    bool languageSaid_ = false; // a line has said the list's language
};

// Fills the pools from the text's lines as loading does, the words of `leaveOut` left out,
// and tells `observer.line(reading)` how each line was read, in order. The pools are neither
// shuffled nor judged (see FinishLoading). Throws std::bad_alloc where memory runs out.
//
//     struct Counter {
//         int taken = 0;
//         void line(const LineReading &reading) { taken += !reading.kept.empty(); }
//     } counter;
//     TextReader reader(bytes);
//     ReadWordList(lists, reader, nullptr, counter);
template <typename Observer>
void ReadWordList(WordLists &lists, TextReader &reader, const ExcludedWords *leaveOut,
                  Observer &observer) {
    PoolFiller<Observer> filler(lists, reader, leaveOut, observer);
    SplitLines(reader, filler);
}
