// Ranges, ends and special points of single distributions.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "qdists/Combinatorics.h"
#include "qdists/DistBernoulli.h"
#include "qdists/DistBeta.h"
#include "qdists/DistBinomial.h"
#include "qdists/DistBurr.h"
#include "qdists/DistExponential.h"
#include "qdists/DistGamma.h"
#include "qdists/DistGeometric.h"
#include "qdists/DistHypergeometric.h"
#include "qdists/DistLognormal.h"
#include "qdists/DistNegativeBinomial.h"
#include "qdists/DistNormal.h"
#include "qdists/DistPoisson.h"
#include "qdists/DistTriangular.h"
#include "qdists/DistUniform.h"
#include "qdists/DistWeibull.h"
#include "tests/qdists/DistributionLookup.h"

using namespace qdists;

namespace {

struct Ranges {
    Interval x{0.0, 0.0};
    Interval y{0.0, 0.0};
};

Ranges GraphRanges(const VContinuousDistribution& distribution)
{
    Ranges r;
    distribution.GetGraphRanges(r.x, r.y);
    return r;
}

void ExpectInterval(const Interval& got, double lower, double upper)
{
    EXPECT_DOUBLE_EQ(got.lower(), lower);
    EXPECT_DOUBLE_EQ(got.upper(), upper);
}

} // namespace

TEST(EdgeCases, IntervalRefusesReversedAndNaNEnds)
{
    try {
        Interval(2.0, 1.0);
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "boost::interval: empty interval created");
    }
    EXPECT_THROW(Interval(std::nan(""), 1.0), std::runtime_error);
    EXPECT_THROW(CDistUniform(2.0, 1.0).GetSupport(), std::runtime_error);
    EXPECT_NO_THROW(Interval(-kInfinity, kInfinity));
}

TEST(EdgeCases, UniformRangesQuantilesAndJumps)
{
    ExpectInterval(GraphRanges(CDistUniform(2, 4)).x, 0, 6);
    ExpectInterval(GraphRanges(CDistUniform(10, 11)).x, 8.9, 12.1);
    const CDistUniform eight(0, 8);
    EXPECT_EQ(eight.Quantile(0.25), 2.0);
    EXPECT_EQ(eight.Density(8), 0.125);
    EXPECT_EQ(eight.Density(8.0001), 0.0);
    std::vector<double> points;
    eight.AddGraphPoints(points);
    EXPECT_EQ(points, (std::vector<double>{-0.0008, 0, 0.0008, 8 - 0.0008, 8, 8.0008}));
    // Ends further apart than the largest double still give finite variates.
    const CDistUniform wide(-kMaxDouble, kMaxDouble);
    EXPECT_EQ(wide.Quantile(0.5), 0.0);
    EXPECT_TRUE(std::isfinite(wide.Quantile(0.9)));
}

TEST(EdgeCases, TriangularShapeAndPoints)
{
    const CDistTriangular t(0, 10, 5);
    EXPECT_EQ(t.Quantile(0.5), 5.0);
    EXPECT_EQ(t.Cumulative(10), 1.0);
    EXPECT_DOUBLE_EQ(t.Cumulative(7.5), 0.875);
    ExpectInterval(t.GetDensityRange(), 0, 0.2);
    std::vector<double> points;
    t.AddGraphPoints(points);
    EXPECT_EQ(points, (std::vector<double>{0, 10, 5}));
    ExpectInterval(GraphRanges(CDistTriangular(2, 4, 3)).x, 0, 6);
    EXPECT_TRUE(std::isfinite(CDistTriangular(-1e200, 1e200, 0).Quantile(0.25)));
}

TEST(EdgeCases, NormalAndLognormal)
{
    const CDistNormal normal(0, 1);
    EXPECT_EQ(normal.Quantile(0), -kInfinity);
    EXPECT_EQ(normal.Quantile(1), kInfinity);
    EXPECT_NEAR(normal.Quantile(0.975), 1.959964, 1e-6);
    const Ranges r = GraphRanges(normal);
    EXPECT_NEAR(r.x.lower(), -3.090232306, 1e-8);
    EXPECT_NEAR(r.y.upper(), 0.398942280, 1e-8);
    const CDistLognormal lognormal(0, 1);
    EXPECT_EQ(lognormal.Density(0), 0.0);
    EXPECT_EQ(lognormal.Cumulative(0), 0.0);
    EXPECT_EQ(lognormal.Quantile(0), 0.0);
    std::vector<double> points;
    lognormal.AddGraphPoints(points);
    EXPECT_EQ(points, (std::vector<double>{0, std::exp(-1.0)}));
    ExpectInterval(GraphRanges(lognormal).x, 0, lognormal.Quantile(0.9)); // 3.6 < 10 e^-1
}

TEST(EdgeCases, BetaGraphRangesByShape)
{
    ExpectInterval(GraphRanges(CDistBeta(0.5, 2, 1)).y, 0, 3);
    ExpectInterval(GraphRanges(CDistBeta(120, 2, 1)).y, 0, 40);
    ExpectInterval(GraphRanges(CDistBeta(2, 2, 4)).y, 0, 0);
    ExpectInterval(GraphRanges(CDistBeta(2, 2, 4)).x, kMinPositive, 4);
    EXPECT_EQ(CDistBeta(0.5, 2, 1).Density(0), kInfinity);
    EXPECT_EQ(CDistBeta(1, 3, 2).Density(0), 1.5);
    EXPECT_EQ(CDistBeta(2, 3, 2).Density(0), 0.0);
    EXPECT_EQ(CDistBeta(2, 3, 2).Quantile(1), 2.0);
    EXPECT_NO_THROW(CDistBeta(1, 1, kMinPositive).GetSupport());
}

TEST(EdgeCases, GammaAtZeroAndItsRanges)
{
    const CDistGamma half(0.5, 1);
    EXPECT_EQ(half.Density(0), kInfinity);
    ExpectInterval(GraphRanges(half).y, 0, 5);
    EXPECT_EQ(CDistGamma(1, 2).Density(0), 0.5);
    EXPECT_EQ(CDistGamma(3, 2).Density(0), 0.0);
    const CDistGamma g(3, 2);
    ExpectInterval(g.GetDensityRange(), 0, g.Density(4));
    const Ranges r = GraphRanges(g);
    EXPECT_EQ(r.x.lower(), kMinPositive);
    EXPECT_DOUBLE_EQ(r.x.upper(), g.Quantile(0.98));
    EXPECT_EQ(g.Quantile(0), 0.0);
    EXPECT_EQ(g.Quantile(1), kInfinity);
}

TEST(EdgeCases, ExponentialWeibullAndBurr)
{
    const CDistExponential e(2);
    EXPECT_DOUBLE_EQ(e.Quantile(0.5), 2 * std::log(2.0));
    const Ranges r = GraphRanges(e);
    ExpectInterval(r.x, 0, 2 * std::log(50.0));
    ExpectInterval(r.y, 0, 0.5);
    ExpectInterval(GraphRanges(CDistWeibull(1, 1)).y, 0, 0);
    const CDistWeibull w(2, 3);
    ExpectInterval(w.GetDensityRange(), 0, w.Density(3 * std::sqrt(0.5)));
    EXPECT_EQ(CDistWeibull(0.5, 1).Density(0), kInfinity);
    EXPECT_EQ(CDistWeibull(1, 4).Density(0), 0.25);
    EXPECT_EQ(CDistWeibull(2, 1).Density(0), 0.0);
    const CDistBurr steep(1, 1, 20); // alpha, theta, gamma
    const Ranges b = GraphRanges(steep);
    ExpectInterval(b.x, steep.Quantile(0.02), steep.Quantile(0.95));
    ExpectInterval(GraphRanges(CDistBurr(1, 1, 1)).y, 0, 0);
    EXPECT_EQ(CDistBurr(2, 4, 1).Density(0), 0.5);
    EXPECT_EQ(CDistBurr(2, 4, 0.5).Density(0), kInfinity);
    EXPECT_EQ(CDistBurr(1, 2, 1e6).Density(1e300), 0.0);
}

TEST(EdgeCases, DiscreteSupportsAndRanges)
{
    ExpectInterval(CDistBinomial(0.5, 10).GetSupport(), 0, kInfinity);
    ExpectInterval(CDistGeometric(0.5).GetSupport(), 1, kMaxDouble);
    ExpectInterval(CDistHypergeometric(10, 20, 5).GetSupport(), 0, 5);
    const CDistPoisson poisson(3.5);
    ExpectInterval(poisson.GetDensityRange(), 0, poisson.Probability(3));
    EXPECT_GT(poisson.Probability(3), poisson.Probability(4));
    const CDistBinomial five(0.3, 5);
    EXPECT_EQ(five.Probability(6), 0.0);
    EXPECT_DOUBLE_EQ(five.Probability(5), std::pow(0.3, 5));
    EXPECT_EQ(CDistNegativeBinomial(0.5, 3).Probability(0), 0.125);
    const CDistBernoulli bernoulli(0.5);
    EXPECT_EQ(bernoulli.Probability(0), 0.5);
    EXPECT_EQ(bernoulli.Probability(1), 0.5);
    EXPECT_EQ(bernoulli.Probability(7), 0.0);
}

TEST(EdgeCases, IntegerParametersTruncateTowardZero)
{
    CDistBinomial binomial(0.5, 10);
    binomial.SetParameter(1, 10.9);
    EXPECT_EQ(binomial.GetParameter(1), 10.0);
    binomial.SetParameter(1, -0.5);
    EXPECT_EQ(binomial.GetParameter(1), 0.0);
    EXPECT_FALSE(binomial.IsValid());
    binomial.SetParameter(1, 1e300);
    EXPECT_EQ(binomial.GetParameter(1), 2147483647.0);
}

TEST(EdgeCases, DegenerateSamplersStayInTheirRange)
{
    const struct {
        const char* name;
        std::vector<double> parameters;
        double lowest, highest;
    } cases[] = {
        {"Bernoulli", {0}, 0, 0},
        {"Bernoulli", {1}, 1, 1},
        {"NegativeBinomial", {1, 4}, 0, 0},
        {"Geometric", {1}, 1, 1},
        // 1 - p rounds to 1 here; the trial counts must still be huge, not NaN.
        {"Geometric", {kMinPositive}, 1, kMaxDouble},
        {"Hypergeometric", {10, 20, 5}, 0, 5},
    };
    for (const auto& c : cases) {
        for (double x : SeededDraws(*MakeDistribution(c.name, c.parameters), 99u, 500)) {
            ASSERT_GE(x, c.lowest) << c.name;
            ASSERT_LE(x, c.highest) << c.name;
        }
    }
}

TEST(EdgeCases, CombinatoricsHelpers)
{
    EXPECT_EQ(MaxFactorialArgument(), 170);
    EXPECT_EQ(Factorial(0), 1.0);
    EXPECT_EQ(Factorial(20), 2432902008176640000.0);
    EXPECT_EQ(Factorial(-1), -1.0);
    EXPECT_EQ(Factorial(171), kInfinity);
    EXPECT_DOUBLE_EQ(Factorial(170), 7.257415615307999e306);
    EXPECT_EQ(BinomialCoefficient(10, 3), 120.0);
    EXPECT_EQ(IntegerPower(2.0, 10), 1024.0);
    EXPECT_EQ(IntegerPower(2.0, -2), 0.25);
    EXPECT_EQ(IntegerPower(0.0, 0), 1.0);
    EXPECT_EQ(IntegerPower(3.0, 1), 3.0);
}
