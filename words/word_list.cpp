#include "word_list.h"

#include "list_reading.h"

#include "platform/byte_source.h"
#include "platform/bytes_until_stopped.h"
#include "platform/one_line.h"
#include "platform/text_encoding.h"
#include "platform/text_file.h"
#include "platform/text_reader.h"

#include <algorithm>
#include <memory>
#include <new>

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

LoadResult LoadWordListFile(WordLists &lists, const std::filesystem::path &file,
                            RandomSource &random, std::error_code *openError, uint64_t *longLine,
                            bool (*stopAsked)()) {
    auto bytes = std::make_unique<FileBytes>();
    if (!bytes->open(file, openError))
        return LoadResult::CannotOpen;
    return LoadWordList(lists, BytesUntilStopped(std::move(bytes), stopAsked), random, nullptr,
                        longLine, stopAsked);
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
                        const ExcludedWords *leaveOut, uint64_t *longLine, bool (*stopAsked)()) {
    try {
        TextReader reader(text);
        IgnoreLines ignore;
        ReadWordList(lists, reader, leaveOut, ignore);
        if (stopAsked && stopAsked())
            return LoadResult::Stopped;
        lists.Echoes.build(lists, stopAsked);
    } catch (const std::bad_alloc &) {
        lists = {}; // gives the memory back, for the message that says so
        return LoadResult::TooLarge;
    } catch (const LineTooLong &tooLong) {
        lists = {};
        if (longLine)
            *longLine = tooLong.line;
        return LoadResult::LineTooLong;
    }
    return FinishLoading(lists, random, stopAsked);
}

LoadResult FinishLoading(WordLists &lists, RandomSource &random, bool (*stopAsked)()) {
    ShuffleWords(lists.NounPool, random, stopAsked);
    ShuffleWords(lists.AdjectivePool, random, stopAsked);
    ShuffleWords(lists.AdverbPool, random, stopAsked);
    if (stopAsked && stopAsked())
        return LoadResult::Stopped;
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
