#include "word_list.h"

#include "platform/text_file.h"

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

} // namespace

int SplitTaggedLine(std::u16string &line) {
    if (line.size() < 2 || line[1] != u' ')
        return 0;
    const int tag = line[0];
    line.erase(0, 2);
    TrimSpaces(line);
    return tag;
}

LoadResult LoadWordList(WordLists &lists, const std::filesystem::path &directory,
                        RandomSource &random) {
    LineReader reader;
    if (!reader.open(FindFileIgnoringCase(directory, "wordlist.txt")))
        return LoadResult::CannotOpen;

    std::u16string line;
    while (reader.readLine(line)) {
        TrimSpaces(line);
        if (line.size() < 2)
            continue;
        if (WordPool *pool = PoolForTag(lists, SplitTaggedLine(line)))
            pool->append(line);
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
