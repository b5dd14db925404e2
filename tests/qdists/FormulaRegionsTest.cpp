// The closed forms are evaluated as written wherever that is accurate, so
// seeded draws keep their bits; a safer form serves only inside the named
// regions (1 - p not exact, a difference within 2^-8 of cancelling, a
// product that overflows or underflows). Each case checks both sides: the
// written formula, evaluated here with the same C library, on seeded
// uniforms, and an independent (mpmath) value inside the region.
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "uniform/UnitStream.h"
#include "qdists/DistBurr.h"
#include "qdists/DistExponential.h"
#include "qdists/DistNormal.h"
#include "qdists/DistPareto.h"
#include "qdists/DistTriangular.h"
#include "qdists/DistWeibull.h"

using namespace qdists;

namespace {

constexpr double kGap = 0x1p-8;
constexpr int kDraws = 4000;

// Calls check(u) for seeded uniforms; returns how many were on the written
// side, as the predicate tells.
int ForSeededUniforms(const std::function<bool(double)>& written, const std::function<void(double)>& check)
{
    CUnitStream stream{CMersenneTwister(20240611u)};
    int count = 0;
    for (int i = 0; i < kDraws; ++i) {
        const double u = stream.NextUnit();
        if (written(u)) {
            ++count;
            check(u);
        }
    }
    return count;
}

void ExpectNear(double got, double expected, double relative)
{
    EXPECT_NEAR(got, expected, relative * std::fabs(expected)) << got;
}

} // namespace

TEST(FormulaRegions, ParetoQuantile)
{
    for (double alpha : {1.0, 3.0, 0.4}) {
        const double theta = 2.5;
        const CDistPareto pareto(alpha, theta);
        const int written = ForSeededUniforms(
            [&](double u) { return 1.0 - std::pow(1.0 - u, 1.0 / alpha) >= kGap; },
            [&](double u) {
                const double formula =
                    theta * (1.0 - std::pow(1.0 - u, 1.0 / alpha)) * std::pow(1.0 - u, -1.0 / alpha);
                EXPECT_EQ(pareto.Quantile(u), formula) << alpha << ' ' << u;
            });
        EXPECT_GT(written, kDraws * 9 / 10) << alpha;
    }
    // Inside: the written form would keep few digits of theta p / (3 (1 - p)).
    ExpectNear(CDistPareto(3.0, 1.0).Quantile(0x1p-32), 7.761021456333656711e-11, 1e-15);
    ExpectNear(CDistPareto(2.0, 1.0).Quantile(1e-20), 5e-21, 1e-15); // 1 - p rounds to 1
    EXPECT_EQ(CDistPareto(2.0, 1.0).Quantile(0.0), 0.0);
}

TEST(FormulaRegions, ParetoDensity)
{
    const CDistPareto pareto(3.0, 2.0);
    for (double x : {0.0, 0.3, 1.7, 12.0, 250.0}) {
        EXPECT_EQ(pareto.Density(x), 3.0 * std::pow(2.0, 3.0) / std::pow(x + 2.0, 4.0)) << x;
    }
    // theta^alpha overflows: (alpha/theta)(theta/(x + theta))^(alpha + 1).
    ExpectNear(CDistPareto(40.0, 1e10).Density(1e10), 1.8189894035458564758e-21, 1e-13);
}

TEST(FormulaRegions, BurrQuantileDensityAndCumulative)
{
    const double alpha = 3.0;
    const double theta = 1.5;
    const double gamma = 2.0;
    const CDistBurr burr(alpha, theta, gamma);
    const int written = ForSeededUniforms(
        [&](double u) { return 1.0 - std::pow(1.0 - u, 1.0 / alpha) >= kGap; },
        [&](double u) {
            const double inner = -std::pow(1.0 - u, -1.0 / alpha) * (std::pow(1.0 - u, 1.0 / alpha) - 1.0);
            EXPECT_EQ(burr.Quantile(u), theta * std::pow(inner, 1.0 / gamma)) << u;
        });
    EXPECT_GT(written, kDraws * 9 / 10);
    ExpectNear(CDistBurr(3.0, 1.0, 2.0).Quantile(0x1p-32), 8.8096659734258124203e-6, 1e-14);

    for (double x : {0.2, 1.0, 4.0}) {
        const double z = std::pow(x / theta, gamma);
        EXPECT_EQ(burr.Density(x), alpha * gamma * z / (x * std::pow(1.0 + z, alpha + 1.0))) << x;
        EXPECT_EQ(burr.Cumulative(x), 1.0 - std::pow(1.0 / (1.0 + z), alpha)) << x;
    }
    EXPECT_EQ(CDistBurr(2.0, 1.0, 400.0).Density(10.0), 0.0); // z overflows: no NaN
    ExpectNear(CDistBurr(1.5, 2.0, 3.0).Cumulative(1e-4), 1.8749999999997073008e-13, 1e-14);
}

TEST(FormulaRegions, TriangularQuantile)
{
    const double a = -1.0;
    const double b = 7.0;
    const double c = 2.0;
    const CDistTriangular triangle(a, b, c);
    const double f = (c - a) / (b - a);
    ForSeededUniforms([](double) { return true; }, [&](double u) {
        const double formula = u == 0.0 ? a
                               : u < f  ? a + std::sqrt(u * (b - a) * (c - a))
                                        : b - std::sqrt((1.0 - u) * (b - a) * (b - c));
        EXPECT_EQ(triangle.Quantile(u), formula) << u;
    });
    // The product overflows, or underflows: the square roots apart.
    ExpectNear(CDistTriangular(0.0, 1e300, 5e299).Quantile(0.25), 3.5355339059327376220e299, 1e-15);
    ExpectNear(CDistTriangular(0.0, 1e-300, 5e-301).Quantile(0.25), 3.5355339059327376220e-301, 1e-15);
    ExpectNear(CDistTriangular(0.0, 1e-300, 5e-301).Quantile(0.75), 1e-300 - 3.5355339059327376220e-301, 1e-15);
}

TEST(FormulaRegions, ExponentialAndWeibull)
{
    const double theta = 3.0;
    const CDistExponential exponential(theta);
    const double tau = 1.7;
    const CDistWeibull weibull(tau, theta);
    const int written = ForSeededUniforms([](double) { return true; }, [&](double u) {
        EXPECT_EQ(exponential.Quantile(u), -theta * std::log(1.0 - u)) << u;
        EXPECT_EQ(weibull.Quantile(u), theta * std::pow(-std::log(1.0 - u), 1.0 / tau)) << u;
    });
    EXPECT_EQ(written, kDraws);
    // 1 - p not exact: log1p.
    ExpectNear(CDistExponential(1.0).Quantile(1e-20), 1e-20, 1e-15);
    ExpectNear(CDistWeibull(2.0, 1.0).Quantile(1e-20), 1e-10, 1e-15);

    for (double x : {0.5, 2.0, 9.0}) {
        EXPECT_EQ(exponential.Density(x), (1.0 / theta) * std::exp(-x / theta)) << x;
        EXPECT_EQ(exponential.Cumulative(x), 1.0 - std::exp(-x / theta)) << x;
        const double z = std::pow(x / theta, tau);
        EXPECT_EQ(weibull.Density(x), z * std::exp(-z) * tau / x) << x;
        EXPECT_EQ(weibull.Cumulative(x), 1.0 - std::exp(-z)) << x;
    }
    // exp(-x/theta) within 2^-8 of 1: expm1.
    ExpectNear(CDistExponential(1.0).Cumulative(1e-10), 9.9999999995000003643e-11, 1e-15);
    ExpectNear(CDistWeibull(2.0, 3.0).Cumulative(1e-6), 1.1111111111110492822e-13, 1e-15);
    EXPECT_EQ(CDistWeibull(400.0, 1.0).Density(10.0), 0.0); // z overflows: no NaN
}

TEST(FormulaRegions, NormalDensity)
{
    const double mu = 1.5;
    const double sigma = 0.7;
    const CDistNormal normal(mu, sigma);
    for (double x : {-3.0, 0.1, 1.5, 2.2, 9.0}) {
        const double formula =
            std::exp(-((x - mu) * (x - mu)) / (2.0 * sigma * sigma)) / (std::sqrt(6.283185307) * sigma);
        EXPECT_EQ(normal.Density(x), formula) << x;
    }
    // 2 sigma^2 underflows, or (x - mu)^2 overflows: the exponent from z.
    const double atOneSigma = std::exp(-0.5) / std::sqrt(6.283185307);
    ExpectNear(CDistNormal(0.0, 1e-160).Density(1e-160), atOneSigma / 1e-160, 1e-14);
    ExpectNear(CDistNormal(0.0, 1e200).Density(1e200), atOneSigma / 1e200, 1e-14);
}
