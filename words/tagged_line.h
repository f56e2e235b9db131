#pragma once

#include <cstdint>
#include <string_view>

// What a line shows of the shape "tag, space, word" once spaces are trimmed from both ends, as
// the loader reads it. It is fed the line piece by piece, since a long line spans many
// chunks, and keeps only where the word lies, not the word itself.
class TaggedLine {
public:
    void feed(std::u16string_view piece, uint64_t start) {
        for (size_t i = 0; i < piece.size(); ++i) {
            switch (state_) {
            case State::BeforeTag:
                if (piece[i] != u' ') {
                    tag_ = piece[i];
                    tagAt_ = start + i;
                    state_ = State::AfterTag;
                }
                break;
            case State::AfterTag:
                afterTag_ = piece[i];
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
    // Nothing but spaces, if anything.
    bool isBlank() const { return state_ == State::BeforeTag; }
    // A tag and spaces, with no word after them.
    bool lacksWord() const { return state_ == State::BeforeWord; }
    int tag() const { return tag_; }
    // The unit that follows the tag, where the space should be; 0 for none.
    char16_t afterTag() const { return afterTag_; }
    // Where the tag lies, so that a reader can decode the character that follows it.
    uint64_t tagAt() const { return tagAt_; }
    uint64_t wordBegin() const { return wordBegin_; }
    uint64_t wordEnd() const { return wordEnd_; }

private:
    enum class State { BeforeTag, AfterTag, BeforeWord, InWord, NoWord };
    State state_ = State::BeforeTag;
    int tag_ = 0;
    char16_t afterTag_ = 0;
    uint64_t tagAt_ = 0;
    uint64_t wordBegin_ = 0;
    uint64_t wordEnd_ = 0;
};
