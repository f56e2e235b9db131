#include "word_list.h"

#include "platform/app_files.h"
#include "platform/byte_source.h"
#include "platform/text_encoding.h"
#include "platform/text_file.h"
#include "platform/text_reader.h"

#include <algorithm>
#include <new>

namespace {

// Only the space character is trimmed: a tab is part of the word.
void TrimSpaces(std::u16string &text) {
    const size_t last = text.find_last_not_of(u' ');
    text.erase(last == std::u16string::npos ? 0 : last + 1);
    text.erase(0, text.find_first_not_of(u' '));
}

WordPool *PoolForTag(WordLists &lists, int tag) {
    switch (tag) {
    case 'J':
    case 'j':
        return &lists.AdjectivePool;
    case 'N':
    case 'n':
        return &lists.NounPool;
    case 'V':
    case 'v':
        return &lists.AdverbPool;
    default:
        return nullptr;
    }
}

// What a line shows of the shape "tag, space, word" once spaces are trimmed from both ends,
// as SplitTaggedLine reads it. It is fed the line piece by piece, since a long line spans many
// chunks, and keeps only where the word lies, not the word itself.
class TaggedLine {
public:
    void feed(std::u16string_view piece, uint64_t start) {
        for (size_t i = 0; i < piece.size(); ++i) {
            switch (state_) {
            case State::BeforeTag:
                if (piece[i] != u' ') {
                    tag_ = piece[i];
                    state_ = State::AfterTag;
                }
                break;
            case State::AfterTag:
                state_ = piece[i] == u' ' ? State::BeforeWord : State::NoWord;
                break;
            case State::BeforeWord:
                if (piece[i] != u' ') {
                    wordBegin_ = start + i;
                    wordEnd_ = wordBegin_ + 1;
                    state_ = State::InWord;
                }
                break;
            case State::InWord: {
                const size_t last = piece.find_last_not_of(u' ');
                if (last != piece.npos && last >= i)
                    wordEnd_ = start + last + 1;
                return;
            }
            case State::NoWord:
                return;
            }
        }
    }

    bool hasWord() const { return state_ == State::InWord; }
    int tag() const { return tag_; }
    uint64_t wordBegin() const { return wordBegin_; }
    uint64_t wordEnd() const { return wordEnd_; }

private:
    enum class State { BeforeTag, AfterTag, BeforeWord, InWord, NoWord };
    State state_ = State::BeforeTag;
    int tag_ = 0;
    uint64_t wordBegin_ = 0;
    uint64_t wordEnd_ = 0;
};

bool IsLineEnd(char16_t unit) {
    return unit == u'\n' || unit == u'\r';
}

// Sorts the words of the text's tagged lines into the pools. CR LF, LF and a lone CR each end
// a line, and a last line without a line end counts too.
void ReadTaggedLines(WordLists &lists, const ByteSource &text) {
    TextReader reader(text);
    TaggedLine line;
    const auto endLine = [&] {
        WordPool *pool = line.hasWord() ? PoolForTag(lists, line.tag()) : nullptr;
        if (pool) {
            pool->appendWritten(line.wordEnd() - line.wordBegin(), [&](char16_t *out) {
                return CleanWord(out, reader.decode(line.wordBegin(), line.wordEnd(), out));
            });
        }
        line = {};
    };

    bool lineFeedMayFollow = false; // the last chunk ended with CR, which may be half of CR LF
    for (std::u16string_view chunk = reader.next(); !chunk.empty(); chunk = reader.next()) {
        const uint64_t start = reader.chunkStart();
        auto at = chunk.begin();
        if (lineFeedMayFollow && *at == u'\n')
            ++at;
        lineFeedMayFollow = false;
        while (at != chunk.end()) {
            const auto end = std::find_if(at, chunk.end(), IsLineEnd);
            line.feed({at, end}, start + static_cast<uint64_t>(at - chunk.begin()));
            if (end == chunk.end())
                break;
            endLine();
            at = end + 1;
            if (*end == u'\r') {
                if (at == chunk.end())
                    lineFeedMayFollow = true;
                else if (*at == u'\n')
                    ++at;
            }
        }
    }
    endLine();
}

} // namespace

size_t CleanWord(char16_t *word, size_t length) {
    length = MakeOneLine(word, length);
    while (length > 0 && word[length - 1] == u' ')
        --length;
    const size_t lead =
        std::find_if(word, word + length, [](char16_t c) { return c != u' '; }) - word;
    if (lead > 0)
        std::copy(word + lead, word + length, word);
    return length - lead;
}

int SplitTaggedLine(std::u16string &line) {
    if (line.size() < 2 || line[1] != u' ')
        return 0;
    const int tag = line[0];
    line.erase(0, 2);
    TrimSpaces(line);
    return tag;
}

LoadResult LoadWordList(WordLists &lists, const std::filesystem::path &directory,
                        RandomSource &random, std::error_code *openError) {
    return LoadWordListFile(lists, WordListPath(directory), random, openError);
}

LoadResult LoadWordListFile(WordLists &lists, const std::filesystem::path &file,
                            RandomSource &random, std::error_code *openError) {
    FileBytes bytes;
    if (!bytes.open(file, openError))
        return LoadResult::CannotOpen;
    return LoadWordList(lists, bytes, random);
}

LoadResult LoadWordList(WordLists &lists, const ByteSource &text, RandomSource &random) {
    try {
        ReadTaggedLines(lists, text);
        lists.Echoes.build(lists);
    } catch (const std::bad_alloc &) {
        lists = {}; // gives the memory back, for the message that says so
        return LoadResult::TooLarge;
    }

    ShuffleWords(lists.NounPool, random);
    ShuffleWords(lists.AdjectivePool, random);
    ShuffleWords(lists.AdverbPool, random);

    const int modifiers = lists.AdjectiveCount() + lists.AdverbCount();
    lists.AdverbShare =
        modifiers == 0 ? 0.0f
                       : static_cast<float>(lists.AdverbCount()) / static_cast<float>(modifiers);

    if (lists.AdjectivePool.empty() && lists.NounPool.empty())
        return LoadResult::NoAdjectivesOrNouns;
    if (lists.AdjectivePool.empty())
        return LoadResult::NoAdjectives;
    if (lists.NounPool.empty())
        return LoadResult::NoNouns;
    return LoadResult::Loaded;
}
