// The file output of "Fill from Distribution" against the loop it cannot
// beat: drawing normal values and formatting them "%1.20g". The output
// adds the progress bookkeeping and buffered writes to a real file; the
// two should stay close.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "commands/distfill/ValueLines.h"
#include "commands/distfill/ValueText.h"
#include "uniform/MersenneTwister.h"
#include "qdists/DistNormal.h"

namespace {

constexpr std::uint32_t kSeed = 12345;

void RawSampleAndFormat(benchmark::State& state)
{
    const qdists::CDistNormal normal(0, 1);
    CUnitStream stream{CMersenneTwister(kSeed)};
    char text[kValueTextSize];
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (std::int64_t i = 0; i < state.range(0); ++i)
            bytes += FormatValue(normal.Sample(stream), text);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void FileOutput(benchmark::State& state)
{
    const qdists::CDistNormal normal(0, 1);
    CUnitStream stream{CMersenneTwister(kSeed)};
    const std::string path = "/tmp/stochal-bench-file.txt";
    std::uint64_t now = 0;
    CProgressTracker progress([](std::uint64_t) { return std::unique_ptr<VProgressWindow>(); },
                              [&now] { return now; });
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        // Unbuffered: the output hands its own 64 KiB pieces to the system.
        std::setvbuf(file, nullptr, _IONBF, 0);
        const auto count = static_cast<std::uint64_t>(state.range(0));
        progress.Start(count);
        DrawValueLines(normal, stream, count, progress, [file](const std::string& text) {
            return std::fwrite(text.data(), 1, text.size(), file) == text.size();
        });
        progress.End();
        std::fclose(file);
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(RawSampleAndFormat)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(FileOutput)->Arg(1000000)->Unit(benchmark::kMillisecond);
