#include "excluded_words.h"

#include "line_splitter.h"
#include "word_list.h"

#include <algorithm>

namespace {

// Takes each line whole and keeps it, cleaned, as a word.
class WordPerLine {
public:
    WordPerLine(const TextReader &reader, ExcludedWords::Lines &words, uint64_t line)
        : reader_(reader), words_(words), line_(line) {}

    uint64_t line() const { return line_; }

    void piece(std::u16string_view units, uint64_t position) {
        if (begin_ == end_)
            begin_ = position;
        end_ = position + units.size();
    }

    void end(LineEnd) {
        ++line_;
        std::u16string word(end_ - begin_, u'\0');
        word.resize(CleanWord(word.data(), reader_.decode(begin_, end_, word.data())));
        if (!word.empty())
            words_.try_emplace(std::move(word), line_);
        begin_ = end_ = 0;
    }

private:
    const TextReader &reader_;
    ExcludedWords::Lines &words_;
    uint64_t line_;
    uint64_t begin_ = 0, end_ = 0;
};

} // namespace

void ExcludedWords::read(const ByteSource &text) {
    TextReader reader(text);
    WordPerLine lines(reader, words_, textEnds_.empty() ? 0 : textEnds_.back());
    SplitLines(reader, lines);
    textEnds_.push_back(lines.line());
}

ExcludedWords::Place ExcludedWords::placeOf(uint64_t line) const {
    const auto end = std::lower_bound(textEnds_.begin(), textEnds_.end(), line);
    const auto text = static_cast<size_t>(end - textEnds_.begin());
    return {text, text == 0 ? line : line - textEnds_[text - 1]};
}
