// A unique column: the walk by order statistics against the walk taken one
// number at a time, on the same draws.
#include <benchmark/benchmark.h>

#include <vector>

#include "commands/fill/FillValues.h"
#include "uniform/UniformMapping.h"

namespace {

// One column as the literal walk fills it (spans below 2^31 only).
void LiteralColumn(CMersenneTwister& engine, std::int32_t min, std::int32_t max, long rows,
                   std::vector<std::int32_t>& column)
{
    const std::uint64_t span = RangeSpan(min, max);
    std::vector<bool> used(span, false);
    column.clear();
    std::uint32_t offset = static_cast<std::uint32_t>(UniformInt(engine, min, max) - min);
    used[offset] = true;
    column.push_back(min + static_cast<std::int32_t>(offset));
    for (long row = 1; row < rows; ++row) {
        const std::int32_t free = static_cast<std::int32_t>(span - static_cast<std::uint64_t>(row));
        const std::uint64_t k = static_cast<std::uint64_t>(UniformInt(engine, 0, free - 1));
        offset = FreeAfterLiteral(used, offset, k);
        used[offset] = true;
        column.push_back(min + static_cast<std::int32_t>(offset));
    }
}

void BM_UniqueColumnFast(benchmark::State& state)
{
    const long rows = static_cast<long>(state.range(0));
    const CFillChoice choice{false, 1, static_cast<std::int32_t>(state.range(1)), true};
    CMersenneTwister engine(12345);
    CColumnDrawer drawer(choice);
    std::vector<CFillValue> column;
    for (auto _ : state) {
        drawer.Draw(engine, rows, column);
        benchmark::DoNotOptimize(column.data());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void BM_UniqueColumnLiteral(benchmark::State& state)
{
    const long rows = static_cast<long>(state.range(0));
    const std::int32_t max = static_cast<std::int32_t>(state.range(1));
    CMersenneTwister engine(12345);
    std::vector<std::int32_t> column;
    for (auto _ : state) {
        LiteralColumn(engine, 1, max, rows, column);
        benchmark::DoNotOptimize(column.data());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

} // namespace

// Rows, maximum (the minimum is 1).
BENCHMARK(BM_UniqueColumnFast)->Args({8192, 100000})->Args({65536, 1000000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UniqueColumnLiteral)->Args({8192, 100000})->Unit(benchmark::kMillisecond);
