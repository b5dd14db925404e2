// What every distribution of the catalog promises, at its initial values.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <stdexcept>

#include "qdists/DistributionCatalog.h"
#include "tests/qdists/DistributionLookup.h"

using qdists::VContinuousDistribution;
using qdists::VDiscreteDistribution;
using qdists::VDistribution;

namespace {

struct CatalogEntry {
    const char* name;
    bool discrete;
    std::vector<const char*> symbols;
    std::vector<double> initial;
};

// The alphabetical table of names, kinds, symbols and initial values.
const CatalogEntry kCatalog[] = {
    {"Bernoulli", true, {"p"}, {0.5}},
    {"Beta", false, {"alpha", "beta", "theta"}, {1, 1, 1}},
    {"Binomial", true, {"p", "n"}, {0.5, 10}},
    {"Burr", false, {"alpha", "gamma", "theta"}, {1, 1, 1}},
    {"Exponential", false, {"theta"}, {1}},
    {"Gamma", false, {"alpha", "theta"}, {1, 1}},
    {"Geometric", true, {"p"}, {0.5}},
    {"Hypergeometric", true, {"N", "M", "SZ"}, {10, 20, 5}},
    {"Lognormal", false, {"mu", "sigma"}, {0, 1}},
    {"Negative Binomial", true, {"p", "r"}, {0.5, 3}},
    {"Normal", false, {"mu", "sigma"}, {0, 1}},
    {"Pareto", false, {"alpha", "theta"}, {1, 1}},
    {"Poisson", true, {"lambda"}, {1}},
    {"Triangular", false, {"min", "max", "peak"}, {0, 1, 0.5}},
    {"Uniform", false, {"min", "max"}, {0, 1}},
    {"Weibull", false, {"tau", "theta"}, {1, 1}},
};

class Contract : public testing::TestWithParam<unsigned> {
protected:
    std::unique_ptr<VDistribution> distribution = qdists::CreateInitialDistribution(GetParam());
    const CatalogEntry& entry = kCatalog[GetParam()];
};

std::string CaseName(const testing::TestParamInfo<unsigned>& info)
{
    return CompactName(*qdists::CreateInitialDistribution(info.param));
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Catalog, Contract, testing::Range(0u, qdists::kDistributionCount), CaseName);

TEST_P(Contract, DescribesItselfAsTabled)
{
    EXPECT_STREQ(distribution->GetName(), entry.name);
    EXPECT_EQ(distribution->IsDiscrete(), entry.discrete);
    EXPECT_EQ(distribution->GetBitmapId(), 77430u + GetParam());
    ASSERT_EQ(distribution->GetParameterCount(), entry.symbols.size());
    for (unsigned i = 0; i < entry.symbols.size(); ++i) {
        EXPECT_EQ(distribution->GetParameterInfo(i).symbol, entry.symbols[i]);
        EXPECT_EQ(distribution->GetParameter(i), entry.initial[i]);
    }
    EXPECT_TRUE(distribution->IsValid());
}

TEST_P(Contract, IsFoundByItsNameInAnyCaseAndWithoutBlanks)
{
    std::string folded;
    for (const char* c = entry.name; *c; ++c) {
        if (*c != ' ') {
            folded += static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
        }
    }
    const auto found = qdists::CreateInitialDistribution(folded);
    ASSERT_NE(found, nullptr) << folded;
    EXPECT_STREQ(found->GetName(), entry.name);
    EXPECT_EQ(qdists::CreateInitialDistribution(folded + "x"), nullptr);
}

TEST_P(Contract, ParametersRoundTripAndIndexesBeyondTheCountAreHarmless)
{
    const unsigned count = distribution->GetParameterCount();
    for (unsigned i = 0; i < count; ++i) {
        const double changed = entry.initial[i] + 2.75;
        distribution->SetParameter(i, changed);
        const bool isInteger = distribution->GetParameterInfo(i).isInteger;
        EXPECT_EQ(distribution->GetParameter(i), isInteger ? std::trunc(changed) : changed);
        distribution->SetParameter(i, entry.initial[i]);
    }
    EXPECT_TRUE(std::isnan(distribution->GetParameter(count)));
    distribution->SetParameter(count, 1.0);
    EXPECT_THROW(distribution->GetParameterInfo(count), std::out_of_range);
    EXPECT_TRUE(distribution->IsValid());
}

TEST_P(Contract, BoundsOfEveryParameterAreClosedAndRefusedBeyond)
{
    std::string message = "untouched";
    ASSERT_TRUE(distribution->Validate(message));
    EXPECT_EQ(message, "untouched");
    for (unsigned i = 0; i < distribution->GetParameterCount(); ++i) {
        const auto& info = distribution->GetParameterInfo(i);
        distribution->SetParameter(i, std::nextafter(info.bounds.lower(), -qdists::kInfinity));
        EXPECT_FALSE(distribution->IsValid()) << info.symbol;
        distribution->SetParameter(i, entry.initial[i]);
    }
}

TEST_P(Contract, SamplesLieInTheSupportAndAreNeverNaN)
{
    CUnitStream stream{CMersenneTwister(20261206u)};
    const qdists::Interval support = distribution->GetSupport();
    for (int i = 0; i < 2000; ++i) {
        const double x = distribution->Sample(stream);
        ASSERT_FALSE(std::isnan(x));
        ASSERT_GE(x, support.lower() == qdists::kMinPositive ? 0.0 : support.lower());
        ASSERT_LE(x, support.upper());
        if (entry.discrete) {
            ASSERT_EQ(x, std::floor(x));
        }
    }
}

TEST_P(Contract, RangesAreBuiltAndDensitiesAtTheEndsAreNumbers)
{
    const qdists::Interval support = distribution->GetSupport();
    const qdists::Interval densityRange = distribution->GetDensityRange();
    EXPECT_EQ(densityRange.lower(), 0.0);
    if (entry.discrete) {
        const auto& discrete = static_cast<const VDiscreteDistribution&>(*distribution);
        EXPECT_FALSE(std::isnan(discrete.Density(support.lower())));
        return;
    }
    const auto& continuous = static_cast<const VContinuousDistribution&>(*distribution);
    qdists::Interval x(0.0, 0.0);
    qdists::Interval y(0.0, 0.0);
    continuous.GetGraphRanges(x, y);
    EXPECT_LT(x.lower(), x.upper());
    for (double end : {support.lower(), support.upper(), 0.0}) {
        if (std::isfinite(end)) {
            EXPECT_FALSE(std::isnan(continuous.Density(end))) << end;
            EXPECT_FALSE(std::isnan(continuous.Cumulative(end))) << end;
        }
    }
    EXPECT_FALSE(std::isnan(continuous.Quantile(0.0)));
    EXPECT_FALSE(std::isnan(continuous.Quantile(1.0)));
}

TEST_P(Contract, ContinuousQuantileInvertsTheCumulativeFunction)
{
    if (entry.discrete) {
        GTEST_SKIP() << "a discrete distribution has no quantile or continuous sampler";
    }
    const auto& continuous = static_cast<const VContinuousDistribution&>(*distribution);
    // The beta quantile is a root search with a relative tolerance of 1e-8.
    const double tolerance = std::string(entry.name) == "Beta" ? 1e-7 : 1e-11;
    for (double p : {0.001, 0.1, 0.35, 0.5, 0.8, 0.999}) {
        EXPECT_NEAR(continuous.Cumulative(continuous.Quantile(p)), p, tolerance * p) << p;
    }
}

TEST_P(Contract, ContinuousSampleTakesOneUniformAndReturnsItsDrawQuantile)
{
    if (entry.discrete) {
        GTEST_SKIP() << "a discrete distribution has no quantile or continuous sampler";
    }
    const auto& continuous = static_cast<const VContinuousDistribution&>(*distribution);
    CUnitStream stream{CMersenneTwister(7u)};
    CUnitStream twin = stream;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(continuous.Sample(stream), continuous.DrawQuantile(twin.NextUnit()));
    }
    EXPECT_EQ(stream.NextUnit(), twin.NextUnit());
}

TEST_P(Contract, DiscreteMassesSumToOneOverTheSupport)
{
    if (!entry.discrete) {
        GTEST_SKIP() << "a continuous distribution has no masses";
    }
    const auto& discrete = static_cast<const VDiscreteDistribution&>(*distribution);
    double total = 0.0;
    for (int k = -3; k <= 400; ++k) {
        const double mass = discrete.Probability(k);
        EXPECT_GE(mass, 0.0) << k;
        EXPECT_EQ(discrete.ProbabilityOf(k), mass);
        if (k >= 0) {
            EXPECT_EQ(discrete.Density(k + 0.9), mass); // truncated toward zero
        }
        total += mass;
    }
    EXPECT_NEAR(total, 1.0, 1e-12);
}
