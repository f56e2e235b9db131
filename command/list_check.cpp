#include "list_check.h"

#include "compose/epithet.h"
#include "encoding_faults.h"
#include "escaped_text.h"
#include "kept_word_findings.h"
#include "platform/byte_source.h"
#include "platform/display_text.h"
#include "platform/text_encoding.h"
#include "repeated_words.h"
#include "words/excluded_words.h"
#include "words/line_splitter.h"
#include "words/tagged_line.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <unordered_set>

namespace {

constexpr std::array<std::u16string_view, 3> kClassNames = {u"adverb", u"adjective", u"noun"};

// The word class a tag stands for, as an index into kClassNames, or -1 for none.
int ClassOf(int tag) {
    switch (tag) {
    case u'V':
    case u'v':
        return 0;
    case u'J':
    case u'j':
        return 1;
    case u'N':
    case u'n':
        return 2;
    default:
        return -1;
    }
}

// Judges each line as the loader reads it, and fills the pools as the loader does.
class ListChecker {
public:
    ListChecker(const TextReader &reader, ListCheck &result, const ExcludedWords *leaveOut);

    void piece(std::u16string_view units, uint64_t position);
    void end(LineEnd how);

    // Once every line is read: the findings about the list as a whole, and the counts.
    void finish();

private:
    void word();
    void judgeNotTaken();
    // The character that follows the class letter, decoded.
    char16_t afterTag() const;
    template <typename Message> void find(FindingKind kind, Message message) {
        result_.findings.add(kind, result_.lines, message);
    }
    void findRepeatedWords();
    void findUnusedExclusions();
    void findTooFewNouns();

    const TextReader &reader_;
    ListCheck &result_;
    const ExcludedWords *leaveOut_;
    TaggedLine line_;
    std::optional<uint64_t> tagAt_; // where the line's first unit other than a space lies
    int wordClass_ = -1;
    std::u16string raw_;                         // the current line's word, as it stands
    std::array<std::vector<uint64_t>, 3> lines_; // of each pool's words, by index - 1
    std::map<size_t, uint64_t> adjectiveLengths_;
    std::unordered_set<std::u16string_view> excludedFound_; // views into leaveOut_
};

ListChecker::ListChecker(const TextReader &reader, ListCheck &result, const ExcludedWords *leaveOut)
    : reader_(reader), result_(result), leaveOut_(leaveOut) {
    result_.encoding = reader.encoding();
}

void ListChecker::piece(std::u16string_view units, uint64_t position) {
    if (!tagAt_) {
        const size_t tag = units.find_first_not_of(u' ');
        if (tag != units.npos)
            tagAt_ = position + tag;
    }
    line_.feed(units, position);
}

void ListChecker::end(LineEnd how) {
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
    ++result_.lines;
    wordClass_ = ClassOf(line_.tag());
    if (line_.isBlank()) {
        ++result_.blanks;
    } else if (wordClass_ >= 0 && line_.hasWord()) {
        word();
    } else {
        if (wordClass_ >= 0)
            judgeNotTaken();
        ++result_.comments;
    }
    line_ = {};
    tagAt_.reset();
}

char16_t ListChecker::afterTag() const {
    const uint64_t begin = *tagAt_ + 1;
    const size_t units = result_.encoding == TextReader::Encoding::EightBit
                             ? std::max<size_t>(1, Utf8SequenceLength(line_.afterTag()))
                             : 1;
    char16_t decoded[4];
    return reader_.decode(begin, begin + units, decoded) == 1 ? decoded[0] : 0;
}

// A line of a class letter that holds no word, where the author may have meant one.
void ListChecker::judgeNotTaken() {
    const std::u16string tag(1, static_cast<char16_t>(line_.tag()));
    if (line_.lacksWord()) {
        find(FindingKind::NotTaken, [&] {
            return u"the class letter " + tag + u" and a space, but no word: nothing is taken";
        });
        return;
    }
    const char16_t after = afterTag();
    if (after == u'\t' || IsOtherSpace(after))
        find(FindingKind::NotTaken, [&] {
            return (after == u'\t' ? u"a tab" : u"the space " + CodeOf(after)) +
                   u" follows the class letter " + tag + u", where a space must: nothing is taken";
        });
}

// Decodes the word as the loader does and hands the pool what the loader would, so the
// cleaned word is the loader's own.
void ListChecker::word() {
    raw_.resize(line_.wordEnd() - line_.wordBegin());
    raw_.resize(reader_.decode(line_.wordBegin(), line_.wordEnd(), raw_.data()));
    // Valid UTF-8 beyond ASCII always decodes to fewer units than its bytes.
    if (result_.encoding == TextReader::Encoding::EightBit &&
        raw_.size() == line_.wordEnd() - line_.wordBegin() &&
        std::any_of(raw_.begin(), raw_.end(), [](char16_t unit) { return unit >= 0x80; })) {
        ++result_.windows1252Words;
        find(FindingKind::ReadAsWindows1252,
             [&] { return u"not valid UTF-8, so read as Windows-1252: " + Quoted(raw_); });
    }
    WordPool &pool = *PoolForTag(result_.lists, line_.tag());
    size_t cleaned = 0;
    bool excluded = false;
    pool.appendWritten(raw_.size(), [&](char16_t *out) {
        std::copy(raw_.begin(), raw_.end(), out);
        cleaned = CleanWord(out, raw_.size());
        const std::u16string *leftOut = leaveOut_ ? leaveOut_->find({out, cleaned}) : nullptr;
        excluded = leftOut != nullptr;
        if (excluded)
            excludedFound_.insert(*leftOut);
        return excluded ? 0 : cleaned;
    });
    if (cleaned == 0) {
        find(FindingKind::CleanedToNothing, [&] {
            return u"the word " + Quoted(raw_) + u" is nothing once cleaned: nothing is taken";
        });
        ++result_.comments;
    } else if (excluded) {
        ++result_.leftOut;
    } else {
        JudgeKeptWord(raw_, pool.word(pool.size()), result_.lines, result_.findings);
        lines_[wordClass_].push_back(result_.lines);
    }
}

// A modifier that the noun echoes, an adjective if one does; none if none does.
std::optional<std::u16string_view> EchoedModifier(const WordLists &lists,
                                                  std::u16string_view noun) {
    for (const WordPool *pool : {&lists.AdjectivePool, &lists.AdverbPool})
        for (int m = 1; m <= pool->size(); ++m)
            if (PrefixClash(noun, pool->word(m)))
                return pool->word(m);
    return std::nullopt;
}

// A noun is drawn so that it does not echo the words before it, unless every noun would: with
// one or two nouns that each echo some modifier, the words before can echo all of them.
void ListChecker::findTooFewNouns() {
    const WordLists &lists = result_.lists;
    if (result_.distinctNouns == 0 || result_.distinctNouns > 2)
        return;
    std::vector<std::u16string_view> nouns;
    for (int n = 1; n <= lists.NounPool.size(); ++n)
        if (std::find(nouns.begin(), nouns.end(), lists.NounPool.word(n)) == nouns.end())
            nouns.push_back(lists.NounPool.word(n));
    std::vector<std::u16string_view> modifiers;
    for (const std::u16string_view noun : nouns) {
        const auto modifier = EchoedModifier(lists, noun);
        if (!modifier)
            return;
        if (std::find(modifiers.begin(), modifiers.end(), *modifier) == modifiers.end())
            modifiers.push_back(*modifier);
    }
    std::u16string head(modifiers[0]);
    if (modifiers.size() > 1)
        head += u", " + std::u16string(modifiers[1]);
    result_.findings.add(FindingKind::WholeList, 0, [&] {
        return u"too few nouns to keep a word from being repeated: " +
               std::u16string(nouns.size() == 1 ? u"the one noun echoes"
                                                : u"each of the two echoes") +
               u" a modifier, and where every noun echoes the words before it, one is taken all "
               u"the same, as in \"" +
               head + u' ' + std::u16string(nouns.back()) + u"\"";
    });
}

// A word's repeat, as the finding on the line of its second coming says it.
std::u16string RepeatMessage(std::u16string_view className, std::u16string_view word,
                             uint64_t firstLine, int times) {
    const std::u16string often = times == 2 ? u"twice" : Decimal(times) + u" times";
    return u"the " + std::u16string(className) + u' ' + Quoted(word) + u" is on line " +
           Decimal(firstLine) + u" too" +
           (times == 2 ? u"" : u", and given " + often + u" in all") + u": it is drawn " + often +
           u" as often";
}

// Each word given more than once in its class, on the line of its second coming, and how many
// different words each class holds.
void ListChecker::findRepeatedWords() {
    const WordLists &lists = result_.lists;
    const std::array<const WordPool *, 3> pools = {&lists.AdverbPool, &lists.AdjectivePool,
                                                   &lists.NounPool};
    struct Repeat {
        uint64_t line, firstLine;
        int wordClass, index, times;
    };
    std::vector<Repeat> repeats;
    std::array<int, 3> distinct{};
    for (int wordClass = 0; wordClass < 3; ++wordClass) {
        const std::vector<uint64_t> &lines = lines_[wordClass];
        for (const RepeatedWord &repeat :
             FindRepeatedWords(*pools[wordClass], distinct[wordClass])) {
            repeats.push_back({lines[repeat.second - 1], lines[repeat.first - 1], wordClass,
                               repeat.second, repeat.times});
            if (wordClass == 1)
                adjectiveLengths_[pools[1]->word(repeat.first).size()] -= repeat.times - 1;
        }
    }
    std::sort(repeats.begin(), repeats.end(),
              [](const Repeat &a, const Repeat &b) { return a.line < b.line; });
    for (const Repeat &repeat : repeats)
        result_.findings.add(FindingKind::Repeated, repeat.line, [&] {
            return RepeatMessage(kClassNames[repeat.wordClass],
                                 pools[repeat.wordClass]->word(repeat.index), repeat.firstLine,
                                 repeat.times);
        });
    result_.distinctAdverbs = distinct[0];
    result_.distinctAdjectives = distinct[1];
    result_.distinctNouns = distinct[2];
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
    for (int i = 1; i <= result_.lists.AdjectivePool.size(); ++i)
        ++adjectiveLengths_[result_.lists.AdjectivePool.word(i).size()];
    findRepeatedWords(); // leaves the different adjectives' lengths
    findTooFewNouns();
    if (leaveOut_)
        findUnusedExclusions();

    // Two adjectives of one length stand in either order; of two lengths, shorter first.
    const auto adjectives = static_cast<double>(result_.distinctAdjectives);
    double sameLength = 0;
    for (const auto &[length, count] : adjectiveLengths_)
        sameLength += static_cast<double>(count) * static_cast<double>(count - 1);
    const double pairs = sameLength + (adjectives * (adjectives - 1) - sameLength) / 2;
    const auto nouns = static_cast<double>(result_.distinctNouns);
    const double heads = static_cast<double>(result_.distinctAdverbs) * adjectives + pairs +
                         (result_.distinctAdjectives == 1 ? 1 : 0);
    result_.epithets = heads * nouns;
    result_.singleEpithets = adjectives * nouns;
}

} // namespace

ListCheck CheckList(const ByteSource &text, const ExcludedWords *leaveOut) {
    ListCheck result;
    TextReader reader(text);
    ListChecker checker(reader, result, leaveOut);
    SplitLines(reader, checker);
    checker.finish();
    FindEncodingFaults(text, result.encoding, result.findings);
    result.result = JudgeLists(result.lists);
    return result;
}
