// Seeded Pareto and Burr draws are the closed forms as written, bit for
// bit, for the uniforms the stream gives (multiples of 2^-32 in [0, 1));
// the rearranged forms take over only where the written one is not finite,
// or is zero or -0 where the true value is positive. The forms are written
// again here, straight from the formulas, so that a change of either side
// shows.
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "qdists/DistBurr.h"
#include "qdists/DistPareto.h"

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

const ParetoParameters kParetoSets[] = {{2.5, 3.0}, {1.0, 1.0}, {0.05, 2.0}, {40.0, 1e-3}, {1e6, 7.0}};
const BurrParameters kBurrSets[] = {{2.0, 1.5, 3.0}, {1.0, 1.0, 1.0}, {0.1, 0.5, 4.0}, {50.0, 3.0, 2.0},
                                    {1e6, 1.0, 0.5}};

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

// Draws equal the written form wherever it is usable, else the rearranged
// one; returns how many uniforms needed the rearranged form.
int CheckDraws(const qdists::VContinuousDistribution& distribution, const std::function<double(double)>& written,
               const std::function<double(double)>& rearranged)
{
    int rearrangedCount = 0;
    for (const double u : StreamUniforms()) {
        const double expected = Usable(written(u)) ? written(u) : rearranged(u);
        rearrangedCount += Usable(written(u)) ? 0 : 1;
        EXPECT_EQ(distribution.DrawQuantile(u), expected) << "u = " << u;
    }
    return rearrangedCount;
}

} // namespace

TEST(DrawQuantile, ParetoDrawsAreTheWrittenForm)
{
    for (const ParetoParameters& q : kParetoSets) {
        const qdists::CDistPareto pareto(q.alpha, q.theta);
        const int rearranged = CheckDraws(
            pareto, [&](double u) { return WrittenPareto(q, u); }, [&](double u) { return RearrangedPareto(q, u); });
        EXPECT_EQ(rearranged, 0) << "alpha " << q.alpha;
    }
}

TEST(DrawQuantile, BurrDrawsAreTheWrittenForm)
{
    for (const BurrParameters& q : kBurrSets) {
        const qdists::CDistBurr burr(q.alpha, q.theta, q.gamma);
        const int rearranged = CheckDraws(
            burr, [&](double u) { return WrittenBurr(q, u); }, [&](double u) { return RearrangedBurr(q, u); });
        EXPECT_EQ(rearranged, 0) << "alpha " << q.alpha << " gamma " << q.gamma;
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

// A tiny alpha overflows both forms just below 1: the draw is infinity, not NaN.
TEST(DrawQuantile, OverflowGivesInfinity)
{
    const double u = 1.0 - kWord;
    EXPECT_EQ(qdists::CDistPareto(1e-3, 1.0).DrawQuantile(u), HUGE_VAL);
    EXPECT_EQ(qdists::CDistBurr(1e-3, 1.0, 2.0).DrawQuantile(u), HUGE_VAL);
}

// At the smallest uniform the written forms cancel most, yet keep some 20
// good bits of the mpmath values theta u / (alpha (1 - u)) ... to 2^-20.
TEST(DrawQuantile, WrittenFormKeepsItsResultAtTheSmallestUniform)
{
    EXPECT_NEAR(qdists::CDistPareto(3.0, 1.0).DrawQuantile(kWord), 7.761021456333656711e-11,
                0x1p-20 * 7.761021456333656711e-11);
    EXPECT_NEAR(qdists::CDistBurr(3.0, 1.0, 2.0).DrawQuantile(kWord), 8.8096659734258124203e-6,
                0x1p-20 * 8.8096659734258124203e-6);
}
