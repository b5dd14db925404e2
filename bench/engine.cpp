// Words per second of our engine beside libstdc++'s std::mt19937 and
// Boost's boost::random::mt19937, and the cost of the two main-stream
// mappings.
#include <benchmark/benchmark.h>

#include <random>

#include <boost/random/mersenne_twister.hpp>

#include "uniform/MersenneTwister.h"
#include "uniform/UniformMapping.h"
#include "uniform/UnitStream.h"

namespace {

void BM_NextWord(benchmark::State& state)
{
    CMersenneTwister engine(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.NextWord());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NextWord);

void BM_StdMt19937Word(benchmark::State& state)
{
    std::mt19937 engine(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StdMt19937Word);

void BM_BoostMt19937Word(benchmark::State& state)
{
    boost::random::mt19937 engine(1u);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BoostMt19937Word);

void BM_NextUnit(benchmark::State& state)
{
    CUnitStream stream{CMersenneTwister(1)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(stream.NextUnit());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NextUnit);

void BM_StdMt19937Canonical(benchmark::State& state)
{
    std::mt19937 engine(1);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(unit(engine));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StdMt19937Canonical);

void BM_UniformIntDice(benchmark::State& state)
{
    CMersenneTwister engine(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(UniformInt(engine, 1, 6));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_UniformIntDice);

void BM_StdMt19937Dice(benchmark::State& state)
{
    std::mt19937 engine(1);
    std::uniform_int_distribution<int> dice(1, 6);
    for (auto _ : state) {
        benchmark::DoNotOptimize(dice(engine));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StdMt19937Dice);

void BM_UniformIntFullRange(benchmark::State& state)
{
    CMersenneTwister engine(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(UniformInt(engine, -2147483647 - 1, 2147483647));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_UniformIntFullRange);

} // namespace
