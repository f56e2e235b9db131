#include "list_check.h"

#include "compose/epithet_counts.h"
#include "encoding_faults.h"
#include "escaped_text.h"
#include "grammar_findings.h"
#include "kept_word_findings.h"
#include "platform/byte_source.h"
#include "platform/display_text.h"
#include "platform/text_encoding.h"
#include "words/list_reading.h"
#include "words/repeated_words.h"

#include <algorithm>
#include <array>
#include <deque>
#include <unordered_set>

namespace {

// Judges each line as the loader reads it.
class ListChecker {
public:
    ListChecker(const TextReader &reader, ListCheck &result, const ExcludedWords *leaveOut,
                bool (*stopAsked)())
        : reader_(reader), result_(result), leaveOut_(leaveOut), stopAsked_(stopAsked) {}

    void line(const LineReading &reading);

    // Once every line is read: the findings about the lists as a whole.
    // The passes over the whole list, each of which may take a second on a huge one; those
    // after a stop is asked are skipped.
    void finish();

private:
    void countEnd(LineEnd how);
    void word(const LineReading &reading);
    void judgeNotTaken(const LineReading &reading);
    // The character at `at` whose first unit is `first`, decoded; 0 for none.
    char16_t unitAt(uint64_t at, char16_t first) const;
    bool stopped() const { return stopAsked_ && stopAsked_(); }
    void findRepeatedWords();
    void findUnusedExclusions();

    const TextReader &reader_;
    ListCheck &result_;
    const ExcludedWords *leaveOut_;
    bool (*stopAsked_)();
    // The line of each pool's word, by index - 1: in blocks, as a vector that doubled would take
    // up to twice the room, as the pool's own array does at the same time.
    std::array<std::deque<uint64_t>, kWordClassCount> lines_;
    std::unordered_set<std::u16string_view> excludedFound_; // views into leaveOut_
    DifferentWords different_;                              // found with the repeats
};

void ListChecker::countEnd(LineEnd how) {
    switch (how) {
    case LineEnd::LineFeed:
        ++result_.lineFeeds;
        break;
    case LineEnd::CarriageReturn:
        ++result_.carriageReturns;
        break;
    case LineEnd::CrLf:
        ++result_.crLf;
        break;
    case LineEnd::None:
        break;
    }
}

void ListChecker::line(const LineReading &reading) {
    countEnd(reading.end);
    result_.lines = reading.number;
    if (JudgeGrammar(reading, result_.findings)) {
        ++result_.comments;
    } else if (reading.shape.isBlank()) {
        ++result_.blanks;
    } else if (!reading.raw.empty()) {
        word(reading);
    } else {
        if (reading.wordClass)
            judgeNotTaken(reading);
        ++result_.comments;
    }
}

void ListChecker::word(const LineReading &reading) {
    const TaggedLine &shape = reading.shape;
    // Valid UTF-8 beyond ASCII always decodes to fewer units than its bytes.
    if (result_.encoding == TextReader::Encoding::EightBit &&
        reading.raw.size() == shape.wordEnd() - shape.wordBegin() &&
        std::any_of(reading.raw.begin(), reading.raw.end(),
                    [](char16_t unit) { return unit >= 0x80; })) {
        ++result_.windows1252Words;
        result_.findings.add(FindingKind::ReadAsWindows1252, reading.number, [&] {
            return u"not valid UTF-8, so read as Windows-1252: " + Quoted(reading.raw);
        });
    }
    if (reading.excludedAs) {
        excludedFound_.insert(*reading.excludedAs);
        ++result_.leftOut;
    } else if (reading.kept.empty()) {
        result_.findings.add(FindingKind::CleanedToNothing, reading.number, [&] {
            return u"the word " + Quoted(reading.raw) +
                   u" is nothing once cleaned: nothing is taken";
        });
        ++result_.comments;
    } else {
        JudgeKeptWord(reading.raw, reading.kept, reading.number, result_.findings);
        lines_[static_cast<int>(*reading.wordClass)].push_back(reading.number);
    }
}

char16_t ListChecker::unitAt(uint64_t at, char16_t first) const {
    if (first == 0)
        return 0;
    const size_t units = result_.encoding == TextReader::Encoding::EightBit
                             ? std::max<size_t>(1, Utf8SequenceLength(first))
                             : 1;
    char16_t decoded[4];
    return reader_.decode(at, at + units, decoded) == 1 ? decoded[0] : 0;
}

// A line of a class letter that gives no word, where the author may have meant one.
void ListChecker::judgeNotTaken(const LineReading &reading) {
    const TaggedLine &shape = reading.shape;
    if (shape.hasLongTag()) {
        result_.findings.add(FindingKind::NotTaken, reading.number, [&] {
            std::u16string tag(shape.tagLength(), u'\0');
            tag.resize(reader_.decode(shape.tagAt(), shape.tagAt() + tag.size(), tag.data()));
            return Quoted(tag) + u" looks like a tag, but a class letter takes one letter of "
                                 u"grammar at most (such as Nm or Jb): nothing is taken";
        });
        return;
    }
    // The tag as far as where its space should be: the class letter, and the letter after it
    // where that is one of grammar, or a space follows it.
    const bool twoLetters = shape.lacksWord() ? shape.hasTwoLetterTag() : shape.hasGrammarLetter();
    const std::u16string tag(1, static_cast<char16_t>(shape.tag()));
    const std::u16string named =
        twoLetters ? u"the tag " + tag + shape.grammarLetter() : u"the class letter " + tag;
    if (shape.lacksWord()) {
        result_.findings.add(FindingKind::NotTaken, reading.number, [&] {
            return named + u" and a space, but no word: nothing is taken";
        });
        return;
    }
    if (shape.endsAtTag()) {
        result_.findings.add(FindingKind::NotTaken, reading.number,
                             [&] { return named + u" alone, with no word: nothing is taken"; });
        return;
    }
    const char16_t after = twoLetters ? unitAt(shape.tagAt() + 2, shape.afterGrammar())
                                      : unitAt(shape.tagAt() + 1, shape.afterTag());
    if (after == u'\t' || IsOtherSpace(after))
        result_.findings.add(FindingKind::NotTaken, reading.number, [&] {
            return (after == u'\t' ? u"a tab" : u"the space " + CodeOf(after)) + u" follows " +
                   named + u", where a space must: nothing is taken";
        });
}

// What a noun's gender or an adjective's place was at the word's first coming and is at its
// second, where they differ; empty where they agree, as an adverb's always do.
std::u16string GrammarDiffers(Language language, WordClass wordClass, uint8_t first,
                              uint8_t second) {
    static constexpr std::u16string_view kPlaces[] = {u"before the noun", u"after the noun"};
    if (first == second || (wordClass == WordClass::Adjective && !ListSaysPlace(language)))
        return {};
    const auto name = [&](uint8_t grammar) {
        return std::u16string(wordClass == WordClass::Noun
                                  ? GenderName(static_cast<Gender>(grammar))
                                  : kPlaces[grammar]);
    };
    return u", there " + name(first) + u" and here " + name(second);
}

// A word's repeat, as the finding on the line of its second coming says it.
std::u16string RepeatMessage(WordClass wordClass, std::u16string_view word, uint64_t firstLine,
                             std::u16string_view grammarDiffers, int times) {
    const std::u16string often = times == 2 ? u"twice" : Decimal(times) + u" times";
    return u"the " + std::u16string(ClassName(wordClass)) + u' ' + Quoted(word) + u" is on line " +
           Decimal(firstLine) + u" too" + std::u16string(grammarDiffers) +
           (times == 2 ? u"" : u", and given " + often + u" in all") + u": it is drawn " + often +
           u" as often";
}

// Each word given more than once in its class, on the line of its second coming.
void ListChecker::findRepeatedWords() {
    struct Repeat {
        uint64_t line, firstLine;
        WordClass wordClass;
        int first, index, times;
    };
    std::vector<Repeat> repeats;
    std::array<std::vector<int>, kWordClassCount> firstComings;
    for (const WordClassRow &row : kWordClasses) {
        if (stopped())
            return;
        const std::deque<uint64_t> &lines = lines_[static_cast<int>(row.wordClass)];
        PoolRepeats found = FindRepeats(PoolOf(result_.lists, row.wordClass));
        for (const RepeatedWord &repeat : found.words)
            repeats.push_back({lines[repeat.second - 1], lines[repeat.first - 1], row.wordClass,
                               repeat.first, repeat.second, repeat.times});
        firstComings[static_cast<int>(row.wordClass)] = std::move(found.firstComings);
    }
    // By the classes' order.
    different_ = {std::move(firstComings[0]), std::move(firstComings[1]),
                  std::move(firstComings[2])};
    std::sort(repeats.begin(), repeats.end(),
              [](const Repeat &a, const Repeat &b) { return a.line < b.line; });
    for (const Repeat &repeat : repeats)
        result_.findings.add(FindingKind::Repeated, repeat.line, [&] {
            const WordPool &pool = PoolOf(result_.lists, repeat.wordClass);
            return RepeatMessage(repeat.wordClass, pool.word(repeat.index), repeat.firstLine,
                                 GrammarDiffers(result_.lists.ListLanguage, repeat.wordClass,
                                                pool.grammar(repeat.first),
                                                pool.grammar(repeat.index)),
                                 repeat.times);
        });
}

// The excluded words that the list does not hold, by the line each is first on.
void ListChecker::findUnusedExclusions() {
    std::vector<std::pair<uint64_t, std::u16string_view>> unused;
    for (const auto &[word, line] : leaveOut_->lines())
        if (!excludedFound_.contains(word))
            unused.emplace_back(line, word);
    std::sort(unused.begin(), unused.end());
    for (const auto &[line, word] : unused)
        result_.unusedExclusions.add(FindingKind::NotInList, line, [&] {
            return u"the word " + Quoted(word) + u" is not in the list";
        });
}

void ListChecker::finish() {
    if (stopped())
        return;
    findRepeatedWords();
    if (leaveOut_)
        findUnusedExclusions();
    result_.result = JudgeLists(result_.lists);
    if (result_.result != LoadResult::Loaded || stopped())
        return;
    // The rules below look at the adjectives by their prefixes: on a list of millions,
    // numbering them takes a second or two.
    result_.lists.AdjectivePool.numberPrefixes(stopAsked_);
    if (stopped())
        return;
    const EpithetStyle first;
    if (const auto repeating = EpithetRepeatingAWord(result_.lists, different_, first))
        result_.findings.add(FindingKind::WholeList, 0, [&] {
            return u"too few nouns to keep a word from being repeated: where every noun echoes the "
                   u"words before it, one is taken all the same, as in " +
                   Quoted(*repeating);
        });
    if (stopped())
        return;
    if (const auto echoing =
            EpithetOfEchoingModifiers(result_.lists, different_, first, stopAsked_))
        result_.findings.add(FindingKind::WholeList, 0, [&] {
            return u"two modifiers can stand together though one holds the start of the other, "
                   u"so that a word is repeated, as in " +
                   Quoted(*echoing);
        });
    if (stopped())
        return;
    result_.epithets = CountEpithets(result_.lists, different_, first);
    if (stopped())
        return;
    result_.singleEpithets = CountEpithets(result_.lists, different_, {.single = true});
}

} // namespace

ListCheck CheckList(const ByteSource &text, const ExcludedWords *leaveOut, bool (*stopAsked)()) {
    ListCheck result;
    TextReader reader(text);
    result.encoding = reader.encoding();
    ListChecker checker(reader, result, leaveOut, stopAsked);
    ReadWordList(result.lists, reader, leaveOut, checker);
    checker.finish();
    FindEncodingFaults(text, result.encoding, result.findings);
    return result;
}
