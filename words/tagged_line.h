#pragma once

#include "grammar_tag.h"

#include <cstdint>
#include <string_view>

// What a line shows of the shape "tag, space, word" once spaces are trimmed from both ends, as
// the loader reads it, or of the shape "tag, grammar letter, space, word" that a list in
// another language than English uses ("Nf Kröte"), or a directive that begins with "@" ("@language
// de"). It is fed the line piece by piece, since a long line spans many chunks, and keeps only
// where the word lies, not the word itself.
class TaggedLine {
public:
    void feed(std::u16string_view piece, uint64_t start) {
        for (size_t i = 0; i < piece.size(); ++i) {
            switch (state_) {
            case State::BeforeTag:
                if (piece[i] == kDirective) {
                    tag_ = piece[i];
                    tagAt_ = start + i;
                    wordBegin_ = start + i;
                    wordEnd_ = wordBegin_ + 1;
                    state_ = State::InDirective;
                } else if (piece[i] == u'\t') {
                    // Tabs may lead a directive; before anything else, a tab is the tag, as
                    // it always was, and the line gives no word.
                    tabBeforeTag_ = true;
                } else if (piece[i] != u' ' && tabBeforeTag_) {
                    tag_ = u'\t';
                    state_ = State::NoWord;
                } else if (piece[i] != u' ') {
                    tag_ = piece[i];
                    tagAt_ = start + i;
                    state_ = State::AfterTag;
                }
                break;
            case State::AfterTag:
                afterTag_ = piece[i];
                state_ = piece[i] == u' ' ? State::BeforeWord : State::AfterGrammar;
                break;
            case State::AfterGrammar:
                hasGrammar_ = piece[i] == u' ';
                afterGrammar_ = piece[i];
                tagLength_ = 3;
                state_ = piece[i] == u' ' ? State::BeforeWord
                         : IsGrammarLetter(afterTag_) && IsGrammarLetter(piece[i]) ? State::LongTag
                                                                                   : State::NoWord;
                break;
            case State::LongTag:
                // Letters of grammar run on until a space or a tab ends what looks like a tag.
                if (piece[i] == u' ' || piece[i] == u'\t')
                    return;
                ++tagLength_;
                if (!IsGrammarLetter(piece[i])) {
                    state_ = State::NoWord;
                    return;
                }
                break;
            case State::BeforeWord:
                if (piece[i] != u' ') {
                    wordBegin_ = start + i;
                    wordEnd_ = wordBegin_ + 1;
                    state_ = State::InWord;
                }
                break;
            case State::InWord:
            case State::InDirective: {
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

    // A tag, one space and a word, as every list has.
    bool hasWord() const { return state_ == State::InWord && !hasGrammar_; }
    // A tag, a grammar letter, one space and a word.
    bool hasGrammarWord() const { return state_ == State::InWord && hasGrammar_; }
    // A line that begins with "@", which then spans what wordBegin and wordEnd give.
    bool isDirective() const { return state_ == State::InDirective; }
    // Nothing but spaces, if anything.
    bool isBlank() const { return state_ == State::BeforeTag && !tabBeforeTag_; }
    // A tag, with or without a grammar letter, and spaces, with no word after them.
    bool lacksWord() const { return state_ == State::BeforeWord; }
    // A class letter with nothing after it.
    bool endsAtTag() const { return state_ == State::AfterTag; }
    // A tag of two letters, such as "Nm", that a space follows, whether or not a word does.
    bool hasTwoLetterTag() const { return hasGrammar_; }
    // Whether the unit after the class letter is a letter of grammar, whatever follows it.
    bool hasGrammarLetter() const { return IsGrammarLetter(afterTag_); }
    // A class letter followed by more than one letter of grammar, such as "Nmf": the units from
    // the tag to the first space or tab are tagLength().
    bool hasLongTag() const { return state_ == State::LongTag; }
    uint64_t tagLength() const { return tagLength_; }
    int tag() const { return tag_; }
    // The grammar letter of a line with a grammar word.
    char16_t grammarLetter() const { return afterTag_; }
    // The unit that follows the tag, where the space should be; 0 for none.
    char16_t afterTag() const { return afterTag_; }
    // The unit that follows the second letter of the tag; 0 for none.
    char16_t afterGrammar() const { return afterGrammar_; }
    // Where the tag lies, so that a reader can decode the character that follows it.
    uint64_t tagAt() const { return tagAt_; }
    uint64_t wordBegin() const { return wordBegin_; }
    uint64_t wordEnd() const { return wordEnd_; }

private:
    static constexpr char16_t kDirective = u'@';
    enum class State {
        BeforeTag,
        AfterTag,
        AfterGrammar,
        LongTag,
        BeforeWord,
        InWord,
        InDirective,
        NoWord
    };

    static bool IsGrammarLetter(char16_t unit) {
        return GenderOfLetter(unit) || PlaceOfLetter(unit);
    }

    State state_ = State::BeforeTag;
    int tag_ = 0;
    char16_t afterTag_ = 0;
    char16_t afterGrammar_ = 0;
    bool tabBeforeTag_ = false;
    bool hasGrammar_ = false; // the unit after the tag is a grammar letter: a space follows it
    uint64_t tagAt_ = 0;
    uint64_t tagLength_ = 0;
    uint64_t wordBegin_ = 0;
    uint64_t wordEnd_ = 0;
};
