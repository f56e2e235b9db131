#pragma once

#include "echo_index.h"
#include "language.h"
#include "word_class.h"
#include "word_pool.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

class ByteSource;
class ExcludedWords;
class RandomSource;

struct WordLists {
    WordPool AdverbPool;    // tag V
    WordPool AdjectivePool; // tag J
    WordPool NounPool;      // tag N
    float AdverbShare = 0;  // chance that an epithet opens with an adverb
    EchoIndex Echoes;       // where the lists hold very long words
    // What the list says it is written in; in any language but English, each noun keeps its
    // gender and each adjective its place beside it (WordPool::grammar).
    Language ListLanguage = Language::English;

    int AdjectiveCount() const { return AdjectivePool.size(); }
    int NounCount() const { return NounPool.size(); }
    int AdverbCount() const { return AdverbPool.size(); }
};

enum class LoadResult {
    Loaded,
    CannotOpen,
    NoAdjectives,
    NoNouns,
    NoAdjectivesOrNouns,
    TooLarge,    // memory ran out; the lists are left empty
    LineTooLong, // a line is longer than any word list's (kLongestLine); the lists are left empty
    Stopped,     // the caller asked to stop before the list was loaded; nothing to tell
};

// A word holds one line that every reader reads alike (see MakeOneLine): a control character
// becomes a space, and spaces that end up at its ends are trimmed as the others were. Cleans
// the word in place and returns its new length; a word cleaned to nothing is no word.
size_t CleanWord(char16_t *word, size_t length);

// Reads the word list at `file` into the three pools, shuffles them and works out the adverb
// share. Lines that are not a tag, a space and a word are skipped. Without adjectives or nouns
// the lists are filled all the same, but no epithet can be composed from them.
// `openError`, where given, says why the list could not be opened, and `longLine` which line
// was too long; `stopAsked` is as below.
LoadResult LoadWordListFile(WordLists &lists, const std::filesystem::path &file,
                            RandomSource &random, std::error_code *openError = nullptr,
                            uint64_t *longLine = nullptr, bool (*stopAsked)() = nullptr);

// The same from a word list's bytes, wherever they lie, leaving out the words of `leaveOut`.
// Where `stopAsked`, given, says so once the bytes are read (a source that stops gives no more),
// or later, loading goes no further: a huge list would hold up the stop for seconds.
LoadResult LoadWordList(WordLists &lists, const ByteSource &text, RandomSource &random,
                        const ExcludedWords *leaveOut = nullptr, uint64_t *longLine = nullptr,
                        bool (*stopAsked)() = nullptr);

// The pool that holds the words of a class.
WordPool &PoolOf(WordLists &lists, WordClass wordClass);

// The pool that a line's tag fills, or none.
WordPool *PoolForTag(WordLists &lists, int tag);

// What loading does once the pools are filled: shuffles them, then judges them; or stops, where
// `stopAsked`, given, says so.
LoadResult FinishLoading(WordLists &lists, RandomSource &random, bool (*stopAsked)());

// Works out the adverb share and says whether an epithet can be composed from the pools.
LoadResult JudgeLists(WordLists &lists);
