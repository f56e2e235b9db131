#include "list_check.h"

#include "compose/epithet.h"
#include "escaped_text.h"
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

// Judges each line as the loader reads it, and fills the pools as the loader does.
class ListChecker {
public:
    ListChecker(const TextReader &reader, ListCheck &result, const ExcludedWords *leaveOut);

    void piece(std::u16string_view units, uint64_t position) { line_.feed(units, position); }
    void end(LineEnd how);

    // Once every line is read: the findings about the list as a whole, and the counts.
    void finish();

private:
    void word();
    void judgeKept(std::u16string_view raw, std::u16string_view cleaned);
    void find(std::u16string message) { result_.findings.push_back({result_.lines, message}); }
    void findRepeatedWords();
    void findTooFewNouns();

    const TextReader &reader_;
    ListCheck &result_;
    const ExcludedWords *leaveOut_;
    TaggedLine line_;
    std::optional<WordClass> wordClass_;
    std::u16string raw_; // the current line's word, as it stands
    std::array<std::vector<uint64_t>, kWordClassCount> lines_; // of each pool's words, by index - 1
    std::map<size_t, uint64_t> adjectiveLengths_;
    std::unordered_set<std::u16string_view> excludedFound_; // views into leaveOut_
};

ListChecker::ListChecker(const TextReader &reader, ListCheck &result, const ExcludedWords *leaveOut)
    : reader_(reader), result_(result), leaveOut_(leaveOut) {
    result_.encoding = reader.encoding();
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
    wordClass_ = ClassOfTag(line_.tag());
    const std::u16string tag(1, static_cast<char16_t>(line_.tag()));
    if (line_.isBlank()) {
        ++result_.blanks;
    } else if (wordClass_ && line_.hasWord()) {
        word();
    } else {
        if (wordClass_ && line_.lacksWord())
            find(u"the class letter " + tag + u" and a space, but no word: nothing is taken");
        else if (wordClass_ && line_.afterTag() == u'\t')
            find(u"a tab follows the class letter " + tag +
                 u", where a space must: nothing is taken");
        ++result_.comments;
    }
    line_ = {};
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
        find(u"not valid UTF-8, so read as Windows-1252: " + Quoted(raw_));
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
        find(u"the word " + Quoted(raw_) + u" is nothing once cleaned: nothing is taken");
        ++result_.comments;
    } else if (!excluded) {
        judgeKept(raw_, pool.word(pool.size()));
    }
}

void ListChecker::judgeKept(std::u16string_view raw, std::u16string_view cleaned) {
    if (cleaned != raw)
        find(u"the word " + Quoted(raw) + u" is taken as " + Quoted(cleaned));
    if (cleaned.find(u'\t') != cleaned.npos)
        find(u"the word " + Quoted(cleaned) + u" holds a tab, which stays part of it");
    std::u16string unseen; // each invisible character once, named by its code
    int kinds = 0;
    for (const char16_t unit : cleaned) {
        if (IsInvisible(unit) && unseen.find(CodeOf(unit)) == unseen.npos)
            unseen += (kinds++ ? u", " : u"") + CodeOf(unit);
    }
    if (kinds > 0)
        find(u"the word " + Quoted(cleaned) + u" holds " + unseen +
             (kinds == 1 ? u", which does not show" : u", which do not show"));
    if (IsOtherSpace(cleaned.front()) || IsOtherSpace(cleaned.back()))
        find(u"the word " + Quoted(cleaned) + u" has a space at an end that is not trimmed: " +
             CodeOf(IsOtherSpace(cleaned.front()) ? cleaned.front() : cleaned.back()));
    lines_[static_cast<int>(*wordClass_)].push_back(result_.lines);
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
    result_.findings.push_back(
        {0, u"too few nouns to keep a word from being repeated: " +
                std::u16string(nouns.size() == 1 ? u"the one noun echoes"
                                                 : u"each of the two echoes") +
                u" a modifier, and where every noun echoes the words before it, one is "
                u"taken all the same, as in \"" +
                head + u' ' + std::u16string(nouns.back()) + u"\""});
}

// Each word that repeats one before it in its class, and how many different words each holds.
void ListChecker::findRepeatedWords() {
    const WordLists &lists = result_.lists;
    const std::array<const WordPool *, 3> pools = {&lists.AdverbPool, &lists.AdjectivePool,
                                                   &lists.NounPool};
    std::array<int, 3> distinct{};
    for (int wordClass = 0; wordClass < 3; ++wordClass) {
        const WordPool &pool = *pools[wordClass];
        const std::vector<uint64_t> &lines = lines_[wordClass];
        for (const RepeatedWord &repeat : FindRepeatedWords(pool, distinct[wordClass])) {
            result_.findings.push_back(
                {lines[repeat.index - 1],
                 u"the " + std::u16string(ClassName(static_cast<WordClass>(wordClass))) + u' ' +
                     Quoted(pool.word(repeat.index)) + u" is on line " +
                     Decimal(lines[repeat.first - 1]) + u" too: it is drawn twice as often"});
            if (wordClass == 1)
                --adjectiveLengths_[pool.word(repeat.index).size()];
        }
    }
    result_.distinctAdverbs = distinct[0];
    result_.distinctAdjectives = distinct[1];
    result_.distinctNouns = distinct[2];
}

void ListChecker::finish() {
    for (int i = 1; i <= result_.lists.AdjectivePool.size(); ++i)
        ++adjectiveLengths_[result_.lists.AdjectivePool.word(i).size()];
    findRepeatedWords(); // leaves the different adjectives' lengths
    findTooFewNouns();
    if (leaveOut_) {
        for (const auto &[word, line] : leaveOut_->lines())
            if (!excludedFound_.contains(word))
                result_.unusedExclusions.push_back(
                    {line, u"the word " + Quoted(word) + u" is not in the list"});
        std::sort(result_.unusedExclusions.begin(), result_.unusedExclusions.end(),
                  [](const Finding &a, const Finding &b) { return a.line < b.line; });
    }

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

// Without a mark, UTF-16 of mostly Latin letters shows as every other byte zero.
std::optional<std::u16string_view> LooksLikeUtf16(const ByteSource &text) {
    char bytes[4096];
    const size_t count = text.read(0, bytes, sizeof bytes) & ~size_t{1};
    size_t zeros[2] = {0, 0};
    for (size_t i = 0; i < count; ++i)
        zeros[i % 2] += bytes[i] == 0;
    if (count < 2)
        return std::nullopt;
    if (zeros[1] >= count / 4 && zeros[0] < count / 32)
        return u"little-endian";
    if (zeros[0] >= count / 4 && zeros[1] < count / 32)
        return u"big-endian";
    return std::nullopt;
}

void FindEncodingFaults(const ByteSource &text, ListCheck &result) {
    if (result.encoding == TextReader::Encoding::EightBit) {
        if (const auto order = LooksLikeUtf16(text))
            result.findings.push_back(
                {0, u"this looks like UTF-16 " + std::u16string(*order) +
                        u" without its byte-order mark, so it is read as bytes and no word is "
                        u"taken: save it with the mark, or as UTF-8"});
    } else if (text.size() % 2 == 1) {
        result.findings.push_back(
            {0, u"the last byte is left over: UTF-16 takes two bytes a character, so it is not "
                u"read"});
    }
}

} // namespace

ListCheck CheckList(const ByteSource &text, const ExcludedWords *leaveOut) {
    ListCheck result;
    TextReader reader(text);
    ListChecker checker(reader, result, leaveOut);
    SplitLines(reader, checker);
    checker.finish();
    FindEncodingFaults(text, result);
    std::stable_sort(result.findings.begin(), result.findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    result.result = JudgeLists(result.lists);
    return result;
}
