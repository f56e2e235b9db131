// Composing epithets on the default list and on pools of a million words.
#include "generated_list.h"

#include "compose/epithet.h"
#include "platform/standard_random.h"
#include "words/word_list.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

WordLists Load(const std::filesystem::path &directory) {
    WordLists lists;
    StandardRandom random(1);
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
    StandardRandom random(2);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeEpithet(lists, single, commas, lengthOrder, random));
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
    StandardRandom random(3);
    for (auto _ : state) {
        state.PauseTiming();
        for (WordPool *pool : exhausted)
            for (int k = 1; k <= pool->size(); ++k)
                pool->markDrawn(k);
        state.ResumeTiming();
        benchmark::DoNotOptimize(ComposeEpithet(lists, true, true, true, random));
    }
}

} // namespace

BENCHMARK(ComposeDefaultList)->DenseRange(0, 7);
BENCHMARK(ComposeMillionWords)->Arg(0)->Arg(1)->Arg(6);
BENCHMARK(ComposeStartingNewPasses)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
