#include "word_list.h"

#include "list_reading.h"

#include "platform/app_files.h"
#include "platform/byte_source.h"
#include "platform/one_line.h"
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

WordPool &PoolOf(WordLists &lists, WordClass wordClass) {
    switch (wordClass) {
    case WordClass::Adverb:
        return lists.AdverbPool;
    case WordClass::Adjective:
        return lists.AdjectivePool;
    case WordClass::Noun:
        break;
    }
    return lists.NounPool;
}

WordPool *PoolForTag(WordLists &lists, int tag) {
    const std::optional<WordClass> wordClass = ClassOfTag(tag);
    return wordClass ? &PoolOf(lists, *wordClass) : nullptr;
}

LoadResult LoadWordList(WordLists &lists, const ByteSource &text, RandomSource &random,
                        const ExcludedWords *leaveOut) {
    try {
        TextReader reader(text);
        IgnoreLines ignore;
        ReadWordList(lists, reader, leaveOut, ignore);
        lists.Echoes.build(lists);
    } catch (const std::bad_alloc &) {
        lists = {}; // gives the memory back, for the message that says so
        return LoadResult::TooLarge;
    }
    return FinishLoading(lists, random);
}

LoadResult FinishLoading(WordLists &lists, RandomSource &random) {
    ShuffleWords(lists.NounPool, random);
    ShuffleWords(lists.AdjectivePool, random);
    ShuffleWords(lists.AdverbPool, random);
    return JudgeLists(lists);
}

LoadResult JudgeLists(WordLists &lists) {
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
