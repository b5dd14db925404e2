// Sample of each distribution at its initial parameters on the distribution
// stream, beside Boost.Random's distribution of the same kind (on Boost's
// own mt19937) where it has one. Items processed = variates.
#include <benchmark/benchmark.h>

#include <boost/random/bernoulli_distribution.hpp>
#include <boost/random/beta_distribution.hpp>
#include <boost/random/binomial_distribution.hpp>
#include <boost/random/exponential_distribution.hpp>
#include <boost/random/gamma_distribution.hpp>
#include <boost/random/geometric_distribution.hpp>
#include <boost/random/lognormal_distribution.hpp>
#include <boost/random/mersenne_twister.hpp>
#include <boost/random/negative_binomial_distribution.hpp>
#include <boost/random/normal_distribution.hpp>
#include <boost/random/poisson_distribution.hpp>
#include <boost/random/triangle_distribution.hpp>
#include <boost/random/uniform_real_distribution.hpp>
#include <boost/random/weibull_distribution.hpp>

#include "qdists/DistributionCatalog.h"

namespace {

void StochalSample(benchmark::State& state, unsigned index)
{
    const auto distribution = qdists::CreateInitialDistribution(index);
    CUnitStream stream{CMersenneTwister(12345u)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(distribution->Sample(stream));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(distribution->GetName());
}

template <class Distribution>
void BoostSample(benchmark::State& state, Distribution distribution)
{
    boost::random::mt19937 engine(12345u);
    for (auto _ : state) {
        benchmark::DoNotOptimize(distribution(engine));
    }
    state.SetItemsProcessed(state.iterations());
}

int RegisterAll()
{
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, ...) \
    benchmark::RegisterBenchmark("Stochal/" #Name, StochalSample, Thumbnail - qdists::kFirstThumbnail);
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION
    benchmark::RegisterBenchmark("Boost/Bernoulli", BoostSample<boost::random::bernoulli_distribution<>>,
                                 boost::random::bernoulli_distribution<>(0.5));
    benchmark::RegisterBenchmark("Boost/Beta", BoostSample<boost::random::beta_distribution<>>,
                                 boost::random::beta_distribution<>(1.0, 1.0));
    benchmark::RegisterBenchmark("Boost/Binomial", BoostSample<boost::random::binomial_distribution<>>,
                                 boost::random::binomial_distribution<>(10, 0.5));
    benchmark::RegisterBenchmark("Boost/Exponential", BoostSample<boost::random::exponential_distribution<>>,
                                 boost::random::exponential_distribution<>(1.0));
    benchmark::RegisterBenchmark("Boost/Gamma", BoostSample<boost::random::gamma_distribution<>>,
                                 boost::random::gamma_distribution<>(1.0, 1.0));
    // Boost counts the failures before the first success; ours the trials.
    benchmark::RegisterBenchmark("Boost/Geometric", BoostSample<boost::random::geometric_distribution<>>,
                                 boost::random::geometric_distribution<>(0.5));
    benchmark::RegisterBenchmark("Boost/Lognormal", BoostSample<boost::random::lognormal_distribution<>>,
                                 boost::random::lognormal_distribution<>(0.0, 1.0));
    benchmark::RegisterBenchmark("Boost/NegativeBinomial",
                                 BoostSample<boost::random::negative_binomial_distribution<>>,
                                 boost::random::negative_binomial_distribution<>(3, 0.5));
    benchmark::RegisterBenchmark("Boost/Normal", BoostSample<boost::random::normal_distribution<>>,
                                 boost::random::normal_distribution<>(0.0, 1.0));
    benchmark::RegisterBenchmark("Boost/Poisson", BoostSample<boost::random::poisson_distribution<>>,
                                 boost::random::poisson_distribution<>(1.0));
    benchmark::RegisterBenchmark("Boost/Triangular", BoostSample<boost::random::triangle_distribution<>>,
                                 boost::random::triangle_distribution<>(0.0, 0.5, 1.0));
    benchmark::RegisterBenchmark("Boost/Uniform", BoostSample<boost::random::uniform_real_distribution<>>,
                                 boost::random::uniform_real_distribution<>(0.0, 1.0));
    benchmark::RegisterBenchmark("Boost/Weibull", BoostSample<boost::random::weibull_distribution<>>,
                                 boost::random::weibull_distribution<>(1.0, 1.0));
    return 0;
}

const int kRegistered = RegisterAll();

} // namespace
