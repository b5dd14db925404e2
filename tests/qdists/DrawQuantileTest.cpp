// Seeded Pareto, Burr and triangular draws are the closed forms as
// written, bit for bit, for the uniforms the stream gives (multiples of
// 2^-32 in [0, 1)); the rearranged forms take over only where the written
// one (or the triangular's product under the root) is not finite, or is
// zero or -0 where the true value is positive. The forms are written again
// here, straight from the formulas, so that a change of either side shows.
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "qdists/DistBurr.h"
#include "qdists/DistPareto.h"
#include "qdists/DistTriangular.h"

namespace {

constexpr double kWord = 0x1p-32;
constexpr int kSmallMultiples = 4096;
constexpr int kRandomUniforms = 20000;

struct ParetoParameters {
    double alpha;
    double theta;
};

struct BurrParameters {
    double alpha;
    double gamma;
    double theta;
};

struct TriangularParameters {
    double min;
    double max;
    double peak;
};

const ParetoParameters kParetoSets[] = {{2.5, 3.0}, {1.0, 1.0}, {0.05, 2.0}, {40.0, 1e-3}, {1e6, 7.0}};
const BurrParameters kBurrSets[] = {{2.0, 1.5, 3.0}, {1.0, 1.0, 1.0}, {0.1, 0.5, 4.0}, {50.0, 3.0, 2.0},
                                    {1e6, 1.0, 0.5}};

// Products from 2^-32 times 5e-301 down to subnormal ones.
const TriangularParameters kTriangularSets[] = {{0.0, 1.0, 0.5}, {-3.0, 5.0, 4.0}, {0.0, 1e-150, 5e-151}};

double WrittenPareto(const ParetoParameters& q, double u)
{
    return q.theta * (1.0 - std::pow(1.0 - u, 1.0 / q.alpha)) * std::pow(1.0 - u, -1.0 / q.alpha);
}

double RearrangedPareto(const ParetoParameters& q, double u)
{
    return q.theta * std::expm1(-std::log1p(-u) / q.alpha);
}

double WrittenBurr(const BurrParameters& q, double u)
{
    const double inner = -std::pow(1.0 - u, -1.0 / q.alpha) * (std::pow(1.0 - u, 1.0 / q.alpha) - 1.0);
    return q.theta * std::pow(inner, 1.0 / q.gamma);
}

double RearrangedBurr(const BurrParameters& q, double u)
{
    return q.theta * std::pow(std::expm1(-std::log1p(-u) / q.alpha), 1.0 / q.gamma);
}

// The product under the square root on u's side of the peak.
double TriangularProduct(const TriangularParameters& q, double u)
{
    const double f = (q.peak - q.min) / (q.max - q.min);
    return u < f ? u * (q.max - q.min) * (q.peak - q.min) : (1.0 - u) * (q.max - q.min) * (q.max - q.peak);
}

double WrittenTriangular(const TriangularParameters& q, double u)
{
    const double f = (q.peak - q.min) / (q.max - q.min);
    if (u == f) {
        return q.peak;
    }
    return u < f ? q.min + std::sqrt(TriangularProduct(q, u)) : q.max - std::sqrt(TriangularProduct(q, u));
}

double RearrangedTriangular(const TriangularParameters& q, double u)
{
    const double f = (q.peak - q.min) / (q.max - q.min);
    if (u < f) {
        return q.min + std::sqrt(u) * std::sqrt(q.max - q.min) * std::sqrt(q.peak - q.min);
    }
    return q.max - std::sqrt(1.0 - u) * std::sqrt(q.max - q.min) * std::sqrt(q.max - q.peak);
}

// Small multiples of 2^-32 (where the written difference cancels most),
// the uniforms just below 1, and random words from an engine of the
// standard library.
std::vector<double> StreamUniforms()
{
    std::vector<double> uniforms;
    for (int k = 1; k <= kSmallMultiples; ++k) {
        uniforms.push_back(k * kWord);
        uniforms.push_back(1.0 - k * kWord);
    }
    std::mt19937 words(20240611u);
    for (int i = 0; i < kRandomUniforms; ++i) {
        uniforms.push_back(words() * kWord);
    }
    return uniforms;
}

bool Usable(double written)
{
    return std::isfinite(written) && written > 0.0;
}

struct Forms {
    std::function<double(double)> written;
    std::function<double(double)> rearranged;
    std::function<bool(double)> writtenHolds;
};

// Draws equal the written form wherever it holds, else the rearranged one;
// returns how many uniforms needed the rearranged form.
int CheckDraws(const qdists::VContinuousDistribution& distribution, const Forms& forms)
{
    int rearrangedCount = 0;
    for (const double u : StreamUniforms()) {
        const bool holds = forms.writtenHolds(u);
        rearrangedCount += holds ? 0 : 1;
        EXPECT_EQ(distribution.DrawQuantile(u), holds ? forms.written(u) : forms.rearranged(u)) << "u = " << u;
    }
    return rearrangedCount;
}

} // namespace

TEST(DrawQuantile, ParetoDrawsAreTheWrittenForm)
{
    for (const ParetoParameters& q : kParetoSets) {
        const qdists::CDistPareto pareto(q.alpha, q.theta);
        const Forms forms{[&](double u) { return WrittenPareto(q, u); }, [&](double u) { return RearrangedPareto(q, u); },
                          [&](double u) { return Usable(WrittenPareto(q, u)); }};
        const int rearranged = CheckDraws(pareto, forms);
        EXPECT_EQ(rearranged, 0) << "alpha " << q.alpha;
    }
}

TEST(DrawQuantile, BurrDrawsAreTheWrittenForm)
{
    for (const BurrParameters& q : kBurrSets) {
        const qdists::CDistBurr burr(q.alpha, q.theta, q.gamma);
        const Forms forms{[&](double u) { return WrittenBurr(q, u); }, [&](double u) { return RearrangedBurr(q, u); },
                          [&](double u) { return Usable(WrittenBurr(q, u)); }};
        const int rearranged = CheckDraws(burr, forms);
        EXPECT_EQ(rearranged, 0) << "alpha " << q.alpha << " gamma " << q.gamma;
    }
}

TEST(DrawQuantile, TriangularDrawsAreTheWrittenForm)
{
    for (const TriangularParameters& q : kTriangularSets) {
        const qdists::CDistTriangular triangular(q.min, q.max, q.peak);
        const Forms forms{[&](double u) { return WrittenTriangular(q, u); },
                          [&](double u) { return RearrangedTriangular(q, u); },
                          [&](double u) { return Usable(TriangularProduct(q, u)); }};
        EXPECT_EQ(CheckDraws(triangular, forms), 0) << "min " << q.min << " max " << q.max;
    }
}

// A huge alpha takes (1 - u)^(1/alpha) to exactly 1: the written form gives
// 0 (Pareto) or -0 (Burr, gamma 1) where the true value is about
// theta u / alpha.
TEST(DrawQuantile, RearrangedWhereTheWrittenFormIsLost)
{
    const double u = 0x1p-32;
    const double expected = u / 1e20; // -ln(1 - u) / alpha, to 1e-9
    const qdists::CDistPareto pareto(1e20, 1.0);
    EXPECT_EQ(WrittenPareto({1e20, 1.0}, u), 0.0);
    EXPECT_NEAR(pareto.DrawQuantile(u), expected, 1e-9 * expected);
    const qdists::CDistBurr burr(1e20, 1.0, 1.0);
    EXPECT_TRUE(std::signbit(WrittenBurr({1e20, 1.0, 1.0}, u)));
    EXPECT_NEAR(burr.DrawQuantile(u), expected, 1e-9 * expected);
}

// The triangular's product overflows on a wide range and underflows to 0
// on a narrow one: a + sqrt(u (b - a)(c - a)) with the roots taken apart.
TEST(DrawQuantile, TriangularRootsTakenApartWhereTheProductIsLost)
{
    const double wide = -1e200 * 0.29289321881345247560; // -1e200 (1 - sqrt(1/2))
    EXPECT_NEAR(qdists::CDistTriangular(-1e200, 1e200, 0.0).DrawQuantile(0.25), wide, 1e-14 * -wide);
    const double narrow = 0x1p-16 * 0.70710678118654752440e-170; // sqrt(2^-32 / 2) 1e-170
    EXPECT_NEAR(qdists::CDistTriangular(0.0, 1e-170, 5e-171).DrawQuantile(0x1p-32), narrow, 1e-15 * narrow);
}

// A tiny alpha overflows both forms just below 1: the draw is infinity, not NaN.
TEST(DrawQuantile, OverflowGivesInfinity)
{
    const double u = 1.0 - kWord;
    EXPECT_EQ(qdists::CDistPareto(1e-3, 1.0).DrawQuantile(u), HUGE_VAL);
    EXPECT_EQ(qdists::CDistBurr(1e-3, 1.0, 2.0).DrawQuantile(u), HUGE_VAL);
}

// At the smallest uniform the written forms cancel most, yet stay within
// 2^-20 of the mpmath quantiles of Pareto(3, 1) and Burr(3, gamma 2, 1).
TEST(DrawQuantile, WrittenFormKeepsItsResultAtTheSmallestUniform)
{
    EXPECT_NEAR(qdists::CDistPareto(3.0, 1.0).DrawQuantile(kWord), 7.761021456333656711e-11,
                0x1p-20 * 7.761021456333656711e-11);
    EXPECT_NEAR(qdists::CDistBurr(3.0, 1.0, 2.0).DrawQuantile(kWord), 8.8096659734258124203e-6,
                0x1p-20 * 8.8096659734258124203e-6);
}
