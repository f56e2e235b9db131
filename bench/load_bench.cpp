// Loading a word list, beside a bare read of the same file into a vector of words.
#include "generated_list.h"
#include "heap_tracker.h"
#include "platform/app_files.h"
#include "tests/support/word_list_in_folder.h"

#include "platform/xoshiro_random.h"
#include "words/word_list.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::filesystem::path &ListOf(int lines) {
    static std::map<int, std::filesystem::path> lists;
    auto &directory = lists[lines];
    if (directory.empty()) {
        directory = BenchDirectory("load-" + std::to_string(lines));
        WriteGeneratedList(directory, lines);
    }
    return directory;
}

void ReportPeak(benchmark::State &state) {
    state.counters["peak_MiB"] = static_cast<double>(heap::Peak()) / (1 << 20);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The words of the run before are freed outside the timing: a program frees its lists only as
// it ends.
template <typename Words> void FreeUntimed(benchmark::State &state, std::optional<Words> &words) {
    state.PauseTiming();
    words.reset();
    heap::ResetPeak();
    state.ResumeTiming();
}

void LoadWordList(benchmark::State &state) {
    const auto &directory = ListOf(static_cast<int>(state.range(0)));
    XoshiroRandom random(1);
    std::optional<WordLists> lists;
    for (auto _ : state) {
        FreeUntimed(state, lists);
        benchmark::DoNotOptimize(LoadWordList(lists.emplace(), directory, random));
    }
    ReportPeak(state);
}

// A list of one line of 15 MiB, near the longest a line may be: an adjective of 15 million
// letters. Its peak is the heap the load holds at its highest, to set beside the file's size.
void LoadOneHugeLine(benchmark::State &state) {
    static const std::filesystem::path directory = [] {
        const auto made = BenchDirectory("huge-line");
        std::ofstream out(made / kWordListName, std::ios::binary);
        const std::string chunk = std::string(1 << 20, 'x');
        out << "N toad\r\nJ ";
        for (int i = 0; i < 15; ++i)
            out << chunk;
        return made;
    }();
    XoshiroRandom random(1);
    std::optional<WordLists> lists;
    for (auto _ : state) {
        FreeUntimed(state, lists);
        benchmark::DoNotOptimize(LoadWordList(lists.emplace(), directory, random));
    }
    state.counters["peak_MiB"] = static_cast<double>(heap::Peak()) / (1 << 20);
    state.counters["file_MiB"] =
        static_cast<double>(std::filesystem::file_size(directory / kWordListName)) / (1 << 20);
}

// The default list as it is (argument 0), and its words written as a German list (argument 1):
// "@language de" first, each adjective Jb, each noun Nm, Nf and Nn in turn. The grammar must
// cost loading little.
const std::filesystem::path &DefaultListIn(bool german) {
    static std::map<bool, std::filesystem::path> lists;
    auto &directory = lists[german];
    if (directory.empty()) {
        directory = BenchDirectory(german ? "load-default-de" : "load-default-en");
        std::ifstream in(std::filesystem::path(VILIFEX_DATA_DIR) / "wordlist.txt");
        std::ofstream out(directory / kWordListName, std::ios::binary);
        if (german)
            out << "@language de\n";
        int nouns = 0;
        for (std::string line; std::getline(in, line);) {
            if (german && line.starts_with("J "))
                line.insert(1, "b");
            else if (german && line.starts_with("N "))
                line.insert(1, 1, "mfn"[nouns++ % 3]);
            out << line << '\n';
        }
    }
    return directory;
}

void LoadDefaultListIn(benchmark::State &state) {
    const auto &directory = DefaultListIn(state.range(0) == 1);
    XoshiroRandom random(1);
    std::optional<WordLists> lists;
    for (auto _ : state) {
        FreeUntimed(state, lists);
        if (LoadWordList(lists.emplace(), directory, random) != LoadResult::Loaded)
            state.SkipWithError("the list did not load");
    }
}

void GetlineBaseline(benchmark::State &state) {
    const auto &directory = ListOf(static_cast<int>(state.range(0)));
    std::optional<std::vector<std::u16string>> words;
    for (auto _ : state) {
        FreeUntimed(state, words);
        std::ifstream in(directory / kWordListName);
        words.emplace();
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            words->emplace_back(line.begin() + 2, line.end());
        }
        benchmark::DoNotOptimize(words->data());
    }
    ReportPeak(state);
}

} // namespace

BENCHMARK(GetlineBaseline)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadWordList)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadDefaultListIn)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadOneHugeLine)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
