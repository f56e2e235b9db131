// Composing epithets on the default list and on pools of a million words.
#include "generated_list.h"
#include "tests/support/word_list_in_folder.h"

#include "compose/epithet.h"
#include "platform/xoshiro_random.h"
#include "words/word_list.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

namespace {

WordLists Load(const std::filesystem::path &directory) {
    WordLists lists;
    XoshiroRandom random(1);
    if (LoadWordList(lists, directory, random) != LoadResult::Loaded)
        std::abort();
    return lists;
}

WordLists &DefaultList() {
    static WordLists lists = Load(VILIFEX_DATA_DIR);
    return lists;
}

WordLists &MillionWordList() {
    static WordLists lists = [] {
        const auto directory = BenchDirectory("compose");
        WriteGeneratedList(directory, 2500000); // about a million each of adjectives and nouns
        return Load(directory);
    }();
    return lists;
}

// Arguments: the three settings, as bits: single, commas, length order.
void Compose(benchmark::State &state, WordLists &lists) {
    const bool single = state.range(0) & 1, commas = state.range(0) & 2,
               lengthOrder = state.range(0) & 4;
    XoshiroRandom random(2);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeEpithet(lists, {single, commas, lengthOrder}, random));
    state.SetItemsProcessed(state.iterations());
}

// The shipped list of each language, in the default style: argument 0 English, 1 German, 2
// French, 3 Spanish.
void ComposeShippedList(benchmark::State &state) {
    static const char *const kNames[] = {"wordlist.txt", "wordlist.de.txt", "wordlist.fr.txt",
                                         "wordlist.es.txt"};
    static std::map<int64_t, WordLists> loaded;
    auto [at, added] = loaded.try_emplace(state.range(0));
    XoshiroRandom random(1);
    if (added && LoadWordListFile(at->second,
                                  std::filesystem::path(VILIFEX_DATA_DIR) / kNames[state.range(0)],
                                  random) != LoadResult::Loaded)
        std::abort();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeEpithet(at->second, {}, random));
    state.SetItemsProcessed(state.iterations());
}

void ComposeDefaultList(benchmark::State &state) {
    Compose(state, DefaultList());
}
void ComposeMillionWords(benchmark::State &state) {
    Compose(state, MillionWordList());
}

// The slowest single Makes: every noun handed out (argument 1), or every adjective and noun
// (argument 2), so that one or both draws start a new pass over a million words.
void ComposeStartingNewPasses(benchmark::State &state) {
    WordLists &lists = MillionWordList();
    std::vector<WordPool *> exhausted = {&lists.NounPool};
    if (state.range(0) == 2)
        exhausted.push_back(&lists.AdjectivePool);
    XoshiroRandom random(3);
    for (auto _ : state) {
        state.PauseTiming();
        for (WordPool *pool : exhausted)
            for (int k = 1; k <= pool->size(); ++k)
                pool->markDrawn(k);
        state.ResumeTiming();
        benchmark::DoNotOptimize(ComposeEpithet(lists, {true, true, true}, random));
    }
}

// A list built to make the clash test costly: one adjective of `length` random letters and a
// million nouns, each five letters of it, so that every noun echoes it (16 MB with 8 million
// letters). With a single modifier every noun is rejected, until the retry finds that none
// can pass. With `outsider`, one more noun echoes nothing.
WordLists &LongWordList(size_t length, bool outsider = false) {
    static std::map<std::pair<size_t, bool>, WordLists> made;
    auto [at, added] = made.try_emplace({length, outsider});
    WordLists &lists = at->second;
    if (!added)
        return lists;
    std::mt19937 letters(5);
    std::u16string word(length, u'a');
    for (char16_t &letter : word)
        letter = static_cast<char16_t>(u'a' + letters() % 26);
    lists.AdjectivePool.append(word);
    for (size_t i = 0; lists.NounCount() < 1000000; ++i)
        lists.NounPool.append(std::u16string_view(word).substr(i * 7 % (length - 4), 5));
    if (outsider)
        lists.NounPool.append(u"00000");
    lists.Echoes.build(lists); // as loading does
    return lists;
}

// 200,000 adjectives and a million nouns that all begin "clash", so that every candidate
// clashes with whatever modifier came before it.
WordLists &AllBeginAlikeList() {
    static WordLists lists = [] {
        WordLists made;
        std::mt19937 letters(6);
        const auto word = [&letters] {
            std::u16string text = u"clash";
            for (int n = 3 + letters() % 6; n > 0; --n)
                text += static_cast<char16_t>(u'a' + letters() % 26);
            return text;
        };
        while (made.AdjectiveCount() < 200000)
            made.AdjectivePool.append(word());
        while (made.NounCount() < 1000000)
            made.NounPool.append(word());
        made.Echoes.build(made);
        return made;
    }();
    return lists;
}

void ComposeWhereEveryWordBeginsAlike(benchmark::State &state) {
    WordLists &lists = AllBeginAlikeList();
    XoshiroRandom random(4);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeEpithet(lists, {false, true, true}, random));
}

// The floor of any Make that rejects a million candidates: a million random numbers.
void DrawAMillionNumbers(benchmark::State &state) {
    XoshiroRandom random(4);
    for (auto _ : state)
        for (int i = 0; i < 1000000; ++i)
            benchmark::DoNotOptimize(random.next());
}

void ComposeAgainstALongWord(benchmark::State &state) {
    WordLists &lists = LongWordList(state.range(0));
    XoshiroRandom random(4);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeEpithet(lists, {true, true, true}, random));
}

// The outsider is handed out before each Make, so only a handed-out noun could pass: the Make
// waits for a new pass to come by itself, then begins one.
void ComposeWhileOnlyAHandedOutNounCouldPass(benchmark::State &state) {
    WordLists &lists = LongWordList(state.range(0), true);
    WordPool &nouns = lists.NounPool;
    XoshiroRandom random(4);
    for (auto _ : state) {
        state.PauseTiming();
        for (int k = 1; k <= nouns.size(); ++k)
            if (nouns.word(k) == u"00000")
                nouns.markDrawn(k);
        state.ResumeTiming();
        benchmark::DoNotOptimize(ComposeEpithet(lists, {true, true, true}, random));
    }
}

} // namespace

// One Make a repetition, so that the worst and the median Make show.
double Worst(const std::vector<double> &times) {
    return *std::max_element(times.begin(), times.end());
}
#define EACH_MAKE Iterations(1)->Repetitions(30)->ComputeStatistics("max", Worst)

BENCHMARK(DrawAMillionNumbers)->Unit(benchmark::kMillisecond);
BENCHMARK(ComposeWhileOnlyAHandedOutNounCouldPass)->Arg(4095)->Unit(benchmark::kMillisecond);
BENCHMARK(ComposeAgainstALongWord)
    ->Arg(255)
    ->Arg(4095)
    ->Arg(8 << 20)
    ->Unit(benchmark::kMillisecond)
    ->EACH_MAKE;
BENCHMARK(ComposeWhereEveryWordBeginsAlike)->Unit(benchmark::kMillisecond)->EACH_MAKE;
BENCHMARK(ComposeDefaultList)->DenseRange(0, 7);
BENCHMARK(ComposeShippedList)->DenseRange(0, 3);
BENCHMARK(ComposeMillionWords)->Arg(0)->Arg(1)->Arg(6);
BENCHMARK(ComposeStartingNewPasses)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
