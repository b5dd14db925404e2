// Inside the named regions (1 - p not exact, a difference within 2^-8 of
// cancelling, a product that overflows or underflows) the closed forms
// give way to safer ones; each case holds one to an independent (mpmath)
// value. Seeded draws keep the written forms further still (see
// DrawQuantileTest.cpp); the known draws hold their bits.
#include <cmath>

#include <gtest/gtest.h>

#include "tests/qdists/DistributionLookup.h"

namespace {

struct RegionCase {
    const char* name;
    std::vector<double> parameters;
    const char* function; // "quantile", "pdf" or "cdf"
    double x;
    double expected; // mpmath; 0: exactly zero
    double relative;
    const char* why;
};

const double kAtOneSigma = std::exp(-0.5) / std::sqrt(6.283185307);

const RegionCase kCases[] = {
    {"Pareto", {3.0, 1.0}, "quantile", 0x1p-32, 7.761021456333656711e-11, 1e-15, "theta p / (3 (1 - p))"},
    {"Pareto", {2.0, 1.0}, "quantile", 1e-20, 5e-21, 1e-15, "1 - p rounds to 1"},
    {"Pareto", {2.0, 1.0}, "quantile", 0.0, 0.0, 0, "p = 0"},
    {"Pareto", {40.0, 1e10}, "pdf", 1e10, 1.8189894035458564758e-21, 1e-13, "theta^alpha overflows"},
    {"Burr", {3.0, 2.0, 1.0}, "quantile", 0x1p-32, 8.8096659734258124203e-6, 1e-14, "cancelling difference"},
    {"Burr", {2.0, 400.0, 1.0}, "pdf", 10.0, 0.0, 0, "z overflows: no NaN"},
    {"Burr", {1.5, 3.0, 2.0}, "cdf", 1e-4, 1.8749999999997073008e-13, 1e-14, "cancelling difference"},
    {"Triangular", {0.0, 1e300, 5e299}, "quantile", 0.25, 3.5355339059327376220e299, 1e-15, "product overflows"},
    {"Triangular", {0.0, 1e-300, 5e-301}, "quantile", 0.25, 3.5355339059327376220e-301, 1e-15, "underflows"},
    {"Triangular", {0.0, 1e-300, 5e-301}, "quantile", 0.75, 1e-300 - 3.5355339059327376220e-301, 1e-15,
     "underflows"},
    {"Exponential", {1.0}, "quantile", 1e-20, 1e-20, 1e-15, "1 - p not exact: log1p"},
    {"Weibull", {2.0, 1.0}, "quantile", 1e-20, 1e-10, 1e-15, "1 - p not exact: log1p"},
    {"Exponential", {1.0}, "cdf", 1e-10, 9.9999999995000003643e-11, 1e-15, "exp near 1: expm1"},
    {"Weibull", {2.0, 3.0}, "cdf", 1e-6, 1.1111111111110492822e-13, 1e-15, "exp near 1: expm1"},
    {"Weibull", {400.0, 1.0}, "pdf", 10.0, 0.0, 0, "z overflows: no NaN"},
    // One sigma out: exp(-1/2) / (sqrt(2 pi) sigma), with the density's 2 pi to ten digits.
    {"Normal", {0.0, 1e-160}, "pdf", 1e-160, kAtOneSigma / 1e-160, 1e-14, "2 sigma^2 underflows"},
    {"Normal", {0.0, 1e200}, "pdf", 1e200, kAtOneSigma / 1e200, 1e-14, "(x - mu)^2 overflows"},
};

} // namespace

TEST(FormulaRegions, SaferFormsInsideTheirRegions)
{
    for (const RegionCase& c : kCases) {
        const auto distribution = MakeDistribution(c.name, c.parameters);
        const auto& continuous = static_cast<const qdists::VContinuousDistribution&>(*distribution);
        const std::string function = c.function;
        const double got = function == "pdf" ? continuous.Density(c.x)
                           : function == "cdf" ? continuous.Cumulative(c.x)
                                               : continuous.Quantile(c.x);
        EXPECT_NEAR(got, c.expected, c.relative * std::fabs(c.expected))
            << c.name << ' ' << c.function << '(' << c.x << "): " << c.why;
    }
}
