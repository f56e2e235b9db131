#pragma once

#include "excluded_words.h"
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
        if (wordClass && line_.hasWord()) {
            WordPool &pool = PoolOf(lists_, *wordClass);
            const size_t most = line_.wordEnd() - line_.wordBegin();
            if constexpr (kObserved) {
                raw_.resize(most);
                raw_.resize(reader_.decode(line_.wordBegin(), line_.wordEnd(), raw_.data()));
                reading.raw = raw_;
            }
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
                    reading.excludedAs = leaveOut_->find({out, length});
                return reading.excludedAs ? 0 : length;
            });
            if (kObserved && pool.size() > before)
                reading.kept = pool.word(pool.size());
        }
        observer_.line(reading);
        line_ = {};
    }

private:
    static constexpr bool kObserved = !std::is_same_v<Observer, IgnoreLines>;

    WordLists &lists_;
    const TextReader &reader_;
    const ExcludedWords *leaveOut_;
    Observer &observer_;
    TaggedLine line_;
    uint64_t number_ = 0;
    std::u16string raw_; // only where observed
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
