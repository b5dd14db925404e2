// Quantiles per call: the solvers in mode 2 beside Boost.Math's quantile
// for the same distribution, over a fixed spread of probabilities.
#include "qdists/special/SpecialFunctions.h"

#include <benchmark/benchmark.h>
#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/normal.hpp>

#include <array>
#include <cstddef>

namespace {

// Probabilities spread over (0, 1) as a sampler would ask for them.
constexpr std::size_t kProbabilities = 1024;

const std::array<double, kProbabilities>& probabilities()
{
    static const auto table = [] {
        std::array<double, kProbabilities> p{};
        for (std::size_t i = 0; i < p.size(); ++i) {
            p[i] = (static_cast<double>(i) + 0.5) / static_cast<double>(p.size());
        }
        return p;
    }();
    return table;
}

template <typename Quantile>
void run(benchmark::State& state, Quantile quantile)
{
    const auto& p = probabilities();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quantile(p[i]));
        i = (i + 1) % p.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void CdfnorMode2(benchmark::State& state)
{
    run(state, [](double u) {
        double p = u, q = 1.0 - u, x = 0.0, mean = 0.0, sd = 1.0, bound = 0.0;
        int status = 0;
        qdists::cdfnor(2, p, q, x, mean, sd, status, bound);
        return x;
    });
}

void BoostNormalQuantile(benchmark::State& state)
{
    const boost::math::normal_distribution<double> normal(0.0, 1.0);
    run(state, [&](double u) { return boost::math::quantile(normal, u); });
}

void CdfgamMode2(benchmark::State& state)
{
    const double shape = static_cast<double>(state.range(0)) / 10.0;
    run(state, [=](double u) {
        double p = u, q = 1.0 - u, x = 0.0, a = shape, rate = 1.0, bound = 0.0;
        int status = 0;
        qdists::cdfgam(2, p, q, x, a, rate, status, bound);
        return x;
    });
}

void BoostGammaQuantile(benchmark::State& state)
{
    const boost::math::gamma_distribution<double> gamma(static_cast<double>(state.range(0)) / 10.0, 1.0);
    run(state, [&](double u) { return boost::math::quantile(gamma, u); });
}

void CdfbetMode2(benchmark::State& state)
{
    const double shape = static_cast<double>(state.range(0)) / 10.0;
    run(state, [=](double u) {
        double p = u, q = 1.0 - u, x = 0.0, y = 0.0, a = shape, b = 3.0, bound = 0.0;
        int status = 0;
        qdists::cdfbet(2, p, q, x, y, a, b, status, bound);
        return x;
    });
}

void BoostBetaQuantile(benchmark::State& state)
{
    const boost::math::beta_distribution<double> beta(static_cast<double>(state.range(0)) / 10.0, 3.0);
    run(state, [&](double u) { return boost::math::quantile(beta, u); });
}

} // namespace

BENCHMARK(CdfnorMode2);
BENCHMARK(BoostNormalQuantile);
// Shapes 0.5, 2.5 and 50 (the argument is ten times the shape).
BENCHMARK(CdfgamMode2)->Arg(5)->Arg(25)->Arg(500);
BENCHMARK(BoostGammaQuantile)->Arg(5)->Arg(25)->Arg(500);
BENCHMARK(CdfbetMode2)->Arg(5)->Arg(25)->Arg(500);
BENCHMARK(BoostBetaQuantile)->Arg(5)->Arg(25)->Arg(500);
