// The engine's distribution operations: argument order, refusal before
// drawing, and the streams they use.
#include <gtest/gtest.h>

#include <functional>
#include <type_traits>

#include "engine/InternalGenerator.h"
#include "qdists/DistBeta.h"
#include "qdists/DistBinomial.h"
#include "qdists/DistBurr.h"
#include "qdists/DistHypergeometric.h"
#include "qdists/DistNegativeBinomial.h"

namespace {

struct Refusal {
    const char* call;
    std::function<void(CInternalGenerator&)> draw;
    const char* message;
};

const Refusal kRefusals[] = {
    {"Bernoulli(2)", [](CInternalGenerator& g) { g.NextBernoulli(2); }, "p needs to be smaller than 1"},
    {"Binomial(171, 0.5)", [](CInternalGenerator& g) { g.NextBinomial(171, 0.5); },
     "Number of trials needs to be less than 170."},
    {"Binomial(10, -1)", [](CInternalGenerator& g) { g.NextBinomial(10, -1); }, "The value of p is invalid."},
    {"Poisson(2000)", [](CInternalGenerator& g) { g.NextPoisson(2000); }, "lambda needs to be smaller than 1000"},
    {"NegativeBinomial(100, 0.5)", [](CInternalGenerator& g) { g.NextNegativeBinomial(100, 0.5); },
     "Expected value should be less than 90."},
    {"NegativeBinomial(0, 0.5)", [](CInternalGenerator& g) { g.NextNegativeBinomial(0, 0.5); },
     "The value of r is invalid."},
    {"Geometric(0)", [](CInternalGenerator& g) { g.NextGeometric(0); }, "The value of p is invalid."},
    {"Hypergeometric(20, 171, 5)", [](CInternalGenerator& g) { g.NextHypergeometric(20, 171, 5); },
     "N needs to be smaller than 170"},
    {"Hypergeometric(171, 20, 5)", [](CInternalGenerator& g) { g.NextHypergeometric(171, 20, 5); },
     "M needs to be smaller than 170"},
    {"Hypergeometric(20, 10, 11)", [](CInternalGenerator& g) { g.NextHypergeometric(20, 10, 11); },
     "Sample size should be smaller than the number of elements in each group."},
    {"Normal(0, 0)", [](CInternalGenerator& g) { g.NextNormal(0, 0); }, "The value of sigma is invalid."},
    {"Lognormal(0, -1)", [](CInternalGenerator& g) { g.NextLognormal(0, -1); }, "The value of sigma is invalid."},
    {"Uniform(1, 1)", [](CInternalGenerator& g) { g.NextUniform(1, 1); },
     "The maximum has to be greater than the minimum."},
    {"Triangular(0, 1, 1)", [](CInternalGenerator& g) { g.NextTriangular(0, 1, 1); },
     "The most likely value has to be less than the maximum."},
    {"Triangular(1, 0)", [](CInternalGenerator& g) { g.NextTriangular(1, 0); },
     "The maximum has to be greater than the minimum."},
    {"Beta(151, 1)", [](CInternalGenerator& g) { g.NextBeta(151, 1); },
     "The alpha parameter needs to be less than 150."},
    {"Pareto(1, 0)", [](CInternalGenerator& g) { g.NextPareto(1, 0); }, "The value of theta is invalid."},
    {"Burr(1, 0, 1)", [](CInternalGenerator& g) { g.NextBurr(1, 0, 1); }, "The value of theta is invalid."},
    {"Burr(1, 1, 0)", [](CInternalGenerator& g) { g.NextBurr(1, 1, 0); }, "The value of gamma is invalid."},
    {"Gamma(3000, 1)", [](CInternalGenerator& g) { g.NextGamma(3000, 1); }, "alpha needs to be smaller than 2000"},
    {"Weibull(1, 0)", [](CInternalGenerator& g) { g.NextWeibull(1, 0); }, "The value of theta is invalid."},
    {"Exponential(-1)", [](CInternalGenerator& g) { g.NextExponential(-1); }, "The value of theta is invalid."},
};

} // namespace

TEST(DistributionDraws, RefusalsCarryTheMessageAndDrawNothing)
{
    for (const Refusal& r : kRefusals) {
        CInternalGenerator refused(42u);
        CInternalGenerator untouched(42u);
        try {
            r.draw(refused);
            ADD_FAILURE() << r.call << " drew";
        } catch (const CInternalGenerator::argument_error& e) {
            EXPECT_EQ(e.message, r.message) << r.call;
        }
        EXPECT_EQ(refused.NextExponential(1), untouched.NextExponential(1)) << r.call;
        EXPECT_EQ(refused.Next(), untouched.Next()) << r.call;
    }
}

TEST(DistributionDraws, ArgumentsReachTheDistributionInTheirOrder)
{
    CInternalGenerator g(7u);
    CUnitStream twin = g.DistributionStream();
    for (int i = 0; i < 50; ++i) {
        // M bad, N good, S sample size; the class takes good, bad, size.
        EXPECT_EQ(g.NextHypergeometric(30, 10, 8), qdists::CDistHypergeometric(10, 30, 8).Sample(twin));
        EXPECT_EQ(g.NextBurr(2, 3, 4), qdists::CDistBurr(2, 3, 4).Sample(twin));
        EXPECT_EQ(g.NextBeta(2, 5), qdists::CDistBeta(2, 5, 1).Sample(twin));
        EXPECT_EQ(g.NextNegativeBinomial(4, 0.3), qdists::CDistNegativeBinomial(0.3, 4).Sample(twin));
        EXPECT_EQ(g.NextBinomial(12, 0.25), qdists::CDistBinomial(0.25, 12).Sample(twin));
    }
}

TEST(DistributionDraws, TriangularWithoutAPeakTakesTheMiddle)
{
    CInternalGenerator withPeak(3u);
    CInternalGenerator without(3u);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(without.NextTriangular(0, 10), withPeak.NextTriangular(0, 10, 5));
    }
}

TEST(DistributionDraws, TheMainStreamIsNotAdvancedByDistributionDraws)
{
    CInternalGenerator drawing(11u);
    CInternalGenerator idle(11u);
    for (int i = 0; i < 1000; ++i) {
        drawing.NextNormal(0, 1);
        drawing.NextPoisson(20);
    }
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(drawing.Next(), idle.Next());
    }
}

TEST(DistributionDraws, BernoulliIsABoolAndDiscreteDrawsAreWhole)
{
    CInternalGenerator g(5u);
    static_assert(std::is_same_v<decltype(g.NextBernoulli(0.5)), bool>);
    EXPECT_TRUE(g.NextBernoulli(1));
    EXPECT_FALSE(g.NextBernoulli(0));
    int ones = 0;
    for (int i = 0; i < 1000; ++i) {
        ones += g.NextBernoulli(0.5);
        const std::int32_t k = g.NextHypergeometric(20, 10, 5);
        ASSERT_GE(k, 0);
        ASSERT_LE(k, 5);
        ASSERT_GE(g.NextGeometric(1e-300), 1); // an astronomically large count saturates
    }
    EXPECT_NEAR(ones, 500, 60);
}
