// Every sampler against its own mass or cumulative function, at fixed seeds.
#include <gtest/gtest.h>

#include <cmath>

#include "qdists/DistBinomial.h"
#include "qdists/DistNormal.h"
#include "qdists/DistPoisson.h"
#include "tests/qdists/DistributionLookup.h"
#include "tests/support/GoodnessOfFit.h"

namespace {

constexpr int kDraws = 20000;

struct SamplerCase {
    const char* name;
    std::vector<double> parameters;
    int last = 0; // discrete only: the highest cell of the chi-square
};

std::string Describe(const SamplerCase& c)
{
    std::string text = c.name;
    for (double p : c.parameters) {
        text += " " + std::to_string(p);
    }
    return text;
}

const SamplerCase kContinuous[] = {
    {"Normal", {0, 1}},        {"Normal", {3, 2}},          {"Lognormal", {0, 1}},      {"Lognormal", {1, 0.5}},
    {"Uniform", {-3, 5}},      {"Triangular", {0, 10, 2}},  {"Triangular", {0, 1, 0.5}}, {"Beta", {1, 1, 1}},
    {"Beta", {2, 5, 3}},       {"Beta", {0.5, 0.5, 1}},     {"Pareto", {1, 1}},          {"Pareto", {3, 2}},
    {"Burr", {1, 1, 1}},       {"Burr", {2, 3, 1.5}},       {"Gamma", {1, 1}},           {"Gamma", {0.5, 2}},
    {"Gamma", {30, 1}},        {"Weibull", {1, 1}},         {"Weibull", {2, 3}},         {"Exponential", {2}},
};

const SamplerCase kDiscrete[] = {
    {"Bernoulli", {0.3}, 1},
    {"Binomial", {0.5, 20}, 20},  // mean exactly 10: trials are counted
    {"Binomial", {0.3, 30}, 30},  // mean 9
    {"Poisson", {1}, 12},
    {"Poisson", {3.5}, 20},
    {"Poisson", {9.99}, 40},  // table lookup
    {"Poisson", {10}, 40},    // normal deviates with corrections
    {"Poisson", {20}, 60},
    {"Poisson", {45}, 120},
    {"NegativeBinomial", {0.5, 3}, 30},
    {"NegativeBinomial", {0.2, 5}, 100},
    {"Geometric", {0.5}, 20},
    {"Geometric", {0.1}, 120},
    {"Hypergeometric", {10, 20, 5}, 5},
    {"Hypergeometric", {85, 85, 40}, 40},
    {"Hypergeometric", {100, 50, 50}, 50},
};

} // namespace

TEST(SamplerStatistics, ContinuousSamplersMatchTheirCumulativeFunction)
{
    std::uint32_t seed = 1000;
    for (const SamplerCase& c : kContinuous) {
        const auto distribution = MakeDistribution(c.name, c.parameters);
        const auto& continuous = static_cast<const qdists::VContinuousDistribution&>(*distribution);
        const FitResult fit = KolmogorovSmirnov(SeededDraws(continuous, ++seed, kDraws),
                                                [&](double x) { return continuous.Cumulative(x); });
        EXPECT_TRUE(fit.passes()) << Describe(c) << ": " << fit.statistic << " > " << fit.critical;
    }
}

TEST(SamplerStatistics, DiscreteSamplersMatchTheirMass)
{
    std::uint32_t seed = 2000;
    for (const SamplerCase& c : kDiscrete) {
        const auto distribution = MakeDistribution(c.name, c.parameters);
        const auto& discrete = static_cast<const qdists::VDiscreteDistribution&>(*distribution);
        const FitResult fit = ChiSquare(SeededDraws(discrete, ++seed, kDraws),
                                        [&](int k) { return discrete.Probability(k); }, 0, c.last);
        EXPECT_TRUE(fit.passes()) << Describe(c) << ": " << fit.statistic << " > " << fit.critical;
    }
}

// From lambda = 50 the mass is the normal density, so the exact Poisson
// mass is computed here; the sampler itself is exact.
TEST(SamplerStatistics, PoissonSamplerIsExactForLargeMeans)
{
    for (double lambda : {300.0, 1000.0}) {
        const auto mass = [lambda](int k) { return std::exp(k * std::log(lambda) - lambda - std::lgamma(k + 1.0)); };
        const FitResult fit =
            ChiSquare(SeededDraws(qdists::CDistPoisson(lambda), 3000, kDraws), mass, 0, 2 * static_cast<int>(lambda));
        EXPECT_TRUE(fit.passes()) << lambda << ": " << fit.statistic << " > " << fit.critical;
    }
}

// Above 10 expected successes and failures the binomial rounds a normal
// deviate and keeps it in [0, n]: its draws follow the normal mass of
// [k - 0.5, k + 0.5), with both tails gathered on 0 and n.
TEST(SamplerStatistics, BinomialNormalApproximationIsRoundedAndKeptWithinTrials)
{
    const double p = 0.94;
    const int n = 170; // mean 159.8, 10.2 expected failures: normal, with 2.7e-4 of its mass above n + 0.5
    const qdists::CDistNormal normal(n * p, std::sqrt(n * p * (1 - p)));
    const auto mass = [&](int k) {
        const double upper = k == n ? 1.0 : normal.Cumulative(k + 0.5);
        const double lower = k == 0 ? 0.0 : normal.Cumulative(k - 0.5);
        return upper - lower;
    };
    const std::vector<double> draws = SeededDraws(qdists::CDistBinomial(p, n), 4000, 100000);
    int atTop = 0;
    for (double x : draws) {
        ASSERT_LE(x, n);
        ASSERT_GE(x, 0);
        atTop += x == n;
    }
    EXPECT_GT(atTop, 0) << "the clamp was never reached";
    const FitResult fit = ChiSquare(draws, mass, 0, n);
    EXPECT_TRUE(fit.passes()) << fit.statistic << " > " << fit.critical;
}

// The tests have the power to see small mistakes.
TEST(SamplerStatistics, ControlsShowThatSlightlyWrongDistributionsFail)
{
    const qdists::CDistNormal shifted(0.05, 1.0);
    const FitResult normal = KolmogorovSmirnov(SeededDraws(qdists::CDistNormal(0.0, 1.0), 5000, kDraws),
                                               [&](double x) { return shifted.Cumulative(x); });
    EXPECT_FALSE(normal.passes()) << normal.statistic;
    const qdists::CDistPoisson other(3.6);
    const FitResult poisson = ChiSquare(SeededDraws(qdists::CDistPoisson(3.5), 5001, kDraws),
                                        [&](int k) { return other.Probability(k); }, 0, 20);
    EXPECT_FALSE(poisson.passes()) << poisson.statistic;
}
