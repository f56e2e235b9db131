// One Save: appending a line to a file, with the flush to the disk that comes before the beep,
// beside the same append without the flush.
#include "generated_list.h"

#include "platform/text_file.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

const std::u16string kEpithet = u"necrotic, incontinent pustule";

void AppendLineWithFlush(benchmark::State &state) {
    const auto path = BenchDirectory("save") / "saved.txt";
    for (auto _ : state)
        benchmark::DoNotOptimize(AppendLine(path, kEpithet));
}

void AppendWithoutFlush(benchmark::State &state) {
    const auto path = BenchDirectory("save-unflushed") / "saved.txt";
    const std::string line = "necrotic, incontinent pustule\r\n";
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
        benchmark::DoNotOptimize(::write(fd, line.data(), line.size()));
        ::close(fd);
    }
}

} // namespace

BENCHMARK(AppendWithoutFlush)->Unit(benchmark::kMicrosecond);
BENCHMARK(AppendLineWithFlush)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
