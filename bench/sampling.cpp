// Samples of many rows against a shuffle of the same rows in the same run,
// and the literal routines on a smaller size.
#include <benchmark/benchmark.h>

#include "engine/Sampling.h"
#include "tests/engine/LiteralSampling.h"
#include "uniform/UnitStream.h"

namespace {

ElementList Rows(benchmark::State& state)
{
    ElementList rows;
    FillSequence(rows, state.range(0), 0);
    return rows;
}

// Weights as a sheet may hold them: decimals with ties and zeros.
WeightList Weights(std::size_t n)
{
    WeightList weights(n);
    CUnitStream stream(CMersenneTwister(3));
    for (double& w : weights) {
        w = static_cast<double>(static_cast<int>(stream.NextUnit() * 1000.0)) / 10.0;
    }
    return weights;
}

void BM_ShuffleRows(benchmark::State& state)
{
    const ElementList rows = Rows(state);
    CMersenneTwister engine(12345);
    for (auto _ : state) {
        ElementList order = rows;
        ShuffleRows(order.data(), order.data() + order.size(), engine);
        benchmark::DoNotOptimize(order.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_UniqueAllRows(benchmark::State& state)
{
    const ElementList rows = Rows(state);
    CUnitStream stream(CMersenneTwister(12345));
    for (auto _ : state) {
        ElementList drawn;
        SampleUnique(rows, static_cast<std::uint32_t>(rows.size()), drawn, stream);
        benchmark::DoNotOptimize(drawn.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LiteralUniqueAllRows(benchmark::State& state)
{
    const ElementList rows = Rows(state);
    CUnitStream stream(CMersenneTwister(12345));
    for (auto _ : state) {
        ElementList drawn;
        LiteralUnique(rows, static_cast<std::uint32_t>(rows.size()), drawn, stream);
        benchmark::DoNotOptimize(drawn.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_EqualWithReplacement(benchmark::State& state)
{
    const ElementList rows = Rows(state);
    CUnitStream stream(CMersenneTwister(12345));
    for (auto _ : state) {
        ElementList drawn;
        SampleWithReplacement(rows, static_cast<std::uint32_t>(rows.size()), drawn, stream);
        benchmark::DoNotOptimize(drawn.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EqualWithReplacement)->Arg(200000)->Unit(benchmark::kMillisecond);

// As many weighted draws as rows.
void BM_WeightedAsManyAsRows(benchmark::State& state)
{
    const ElementList rows = Rows(state);
    const WeightList weights = Weights(rows.size());
    CUnitStream stream(CMersenneTwister(12345));
    for (auto _ : state) {
        ElementList drawn;
        SampleWeightedWithReplacement(rows, weights, static_cast<std::uint32_t>(rows.size()), drawn, stream);
        benchmark::DoNotOptimize(drawn.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LiteralWeightedAsManyAsRows(benchmark::State& state)
{
    const ElementList rows = Rows(state);
    const WeightList weights = Weights(rows.size());
    CUnitStream stream(CMersenneTwister(12345));
    for (auto _ : state) {
        ElementList drawn;
        LiteralWeighted(rows, weights, static_cast<std::uint32_t>(rows.size()), drawn, stream);
        benchmark::DoNotOptimize(drawn.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

// Rows.
BENCHMARK(BM_ShuffleRows)->Arg(200000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UniqueAllRows)->Arg(200000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WeightedAsManyAsRows)->Arg(200000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralUniqueAllRows)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralWeightedAsManyAsRows)->Arg(20000)->Unit(benchmark::kMillisecond);
