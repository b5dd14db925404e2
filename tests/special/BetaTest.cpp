#include "qdists/special/IncompleteBeta.h"
#include "qdists/special/LogBeta.h"
#include "qdists/special/SpecialFunctions.h"
#include "qdists/special/ZeroFinder.h"
#include "tests/special/SolverCall.h"
#include "tests/special/Tolerances.h"

#include <cmath>

using namespace special_test;

namespace {

SolverCall callCdfbet(int which, double p, double q, double x, double y, double a, double b)
{
    SolverCall c = withInputs(p, q, x, y);
    qdists::cdfbet(which, c.p, c.q, c.x, c.y, a, b, c.status, c.bound);
    return c;
}

} // namespace

TEST(Beta, CumbetMatchesReferenceForShapesUpTo150)
{
    WorstError body(kCumbetTolerance);
    WorstError tail(kCumbetFarTailTolerance);
    for (const Row& row : readTable("beta_cdf.txt")) {
        const SolverCall c = callCdfbet(1, 0.0, 0.0, row[2], 1.0 - row[2], row[0], row[1]);
        ASSERT_EQ(c.status, 0) << row[0] << ' ' << row[1] << ' ' << row[2];
        (row[3] >= kFarTail ? body : tail).record(c.p, row[3], row);
        (row[4] >= kFarTail ? body : tail).record(c.q, row[4], row);
    }
    body.check("cumbet P and Q above 1e-20");
    tail.check("cumbet P and Q below 1e-20");
}

TEST(Beta, LogBetaAndDigammaMatchReference)
{
    WorstError logBeta(kLogBetaTolerance);
    for (const Row& row : readTable("log_beta.txt")) {
        logBeta.record(qdists::lnBeta(row[0], row[1]), row[2], row);
    }
    logBeta.check("lnBeta");
    WorstError psi(kDigammaTolerance);
    for (const Row& row : readTable("digamma.txt")) {
        psi.record(qdists::digamma(row[0]), row[1], row);
    }
    psi.check("digamma");
}

TEST(Beta, CdfbetMode2FindsXWithinTheSearchTolerance)
{
    WorstError error(kCdfbetTolerance);
    for (const Row& row : readTable("beta_quantile.txt")) {
        const SolverCall c = callCdfbet(2, row[2], row[3], 0.0, 0.0, row[0], row[1]);
        if (row[4] < kBetaSearchFloor && c.status == 1) {
            // Below the absolute tolerance the search may end at X = 0.
            EXPECT_EQ(c.bound, 0.0);
            continue;
        }
        ASSERT_EQ(c.status, 0) << row[0] << ' ' << row[1] << ' ' << row[2] << ' ' << row[3];
        EXPECT_EQ(c.x + c.y, 1.0);
        // When Q < P the search runs on Y = 1 - X, to Y's relative tolerance.
        error.record(c.x, row[4], row, row[3] < row[2] ? 1.0 - row[4] : 0.0);
    }
    error.check("cdfbet mode 2");
}

TEST(Beta, EdgeCases)
{
    for (double x : {0.0, 1e-300, 0.125, 0.5, 0.9375, 1.0}) {
        const SolverCall c = callCdfbet(1, 0.0, 0.0, x, 1.0 - x, 1.0, 1.0);
        EXPECT_EQ(c.status, 0);
        EXPECT_NEAR(c.p, x, 1e-13 * x) << x;
        EXPECT_NEAR(c.q, 1.0 - x, 4e-16) << x;
    }
    for (double p : {1e-30, 0.01, 0.3, 0.5, 0.8, 0.999}) {
        const SolverCall c = callCdfbet(2, p, 1.0 - p, 0.0, 0.0, 1.0, 1.0);
        EXPECT_EQ(c.status, 0);
        EXPECT_NEAR(c.x, p, 1e-8 * p) << p;
    }
    // Symmetric shapes put the median at 1/2.
    EXPECT_NEAR(callCdfbet(2, 0.5, 0.5, 0.0, 0.0, 75.0, 75.0).x, 0.5, 5e-9);
}

TEST(Beta, StatusesAndBounds)
{
    struct Case {
        int which;
        double p, q, x, y, a, b;
        int status;
        double bound;
    };
    const Case cases[] = {
        {-1, 0.5, 0.5, 0.5, 0.5, 2.0, 2.0, -1, 1.0},  {5, 0.5, 0.5, 0.5, 0.5, 2.0, 2.0, -1, 4.0},
        {3, 0.5, 0.5, 0.5, 0.5, 2.0, 2.0, -1, 2.0},   {2, 0.0, 1.0, 0.5, 0.5, 2.0, 2.0, -2, 0.0},
        {2, kNaN, 0.5, 0.5, 0.5, 2.0, 2.0, -2, 1.0},  {2, 0.5, 1.5, 0.5, 0.5, 2.0, 2.0, -3, 1.0},
        {1, 0.5, 0.5, -0.5, 1.5, 2.0, 2.0, -4, 0.0},  {1, 0.5, 0.5, 1.5, -0.5, 2.0, 2.0, -4, 1.0},
        {1, 0.5, 0.5, kNaN, 0.5, 2.0, 2.0, -4, 0.0},  {1, 0.5, 0.5, 0.5, 1.5, 2.0, 2.0, -5, 1.0},
        {1, 0.5, 0.5, 0.5, -0.5, 2.0, 2.0, -5, 0.0},  {2, 0.5, 0.5, 0.5, 0.5, 0.0, 2.0, -6, 0.0},
        {1, 0.5, 0.5, 0.5, 0.5, kNaN, 2.0, -6, 0.0},  {2, 0.5, 0.5, 0.5, 0.5, 2.0, -1.0, -7, 0.0},
        {1, 0.5, 0.5, 0.5, 0.5, 2.0, kNaN, -7, 0.0},  {2, 0.2, 0.7, 0.5, 0.5, 2.0, 2.0, 3, 1.0},
        {2, 0.1, 0.1, 0.5, 0.5, 2.0, 2.0, 3, 0.0 + 1.0},
        {1, 0.5, 0.5, 0.25, 0.25, 2.0, 2.0, 4, 0.0 + 1.0},
        // The quantile lies below the absolute tolerance of the search: the
        // search ends at the end of [0, 1].
        {2, 1e-300, 1.0, 0.5, 0.5, 1.0, 1.0, 1, 0.0}, {2, 1.0, 1e-300, 0.5, 0.5, 1.0, 1.0, 2, 1.0},
    };
    for (const Case& c : cases) {
        const SolverCall r = callCdfbet(c.which, c.p, c.q, c.x, c.y, c.a, c.b);
        EXPECT_EQ(r.status, c.status) << c.which << ' ' << c.p << ' ' << c.q << ' ' << c.x << ' ' << c.y << ' ' << c.a;
        EXPECT_EQ(r.bound, c.bound) << c.which << ' ' << c.p << ' ' << c.q << ' ' << c.x << ' ' << c.y << ' ' << c.a;
    }
}

TEST(Beta, InfiniteShapesEndWithoutHanging)
{
    const SolverCall quantile = callCdfbet(2, 0.3, 0.7, 0.0, 0.0, INFINITY, 2.0);
    EXPECT_TRUE(quantile.status != 0 || std::isnan(quantile.x) || (quantile.x >= 0.0 && quantile.x <= 1.0));
    const SolverCall cumulative = callCdfbet(1, 0.0, 0.0, 0.5, 0.5, 2.0, INFINITY);
    EXPECT_TRUE(std::isnan(cumulative.p) || (cumulative.p >= 0.0 && cumulative.p <= 1.0));
}

TEST(Beta, BratioReportsBadArguments)
{
    struct Case {
        double a, b, x, y;
        int error;
    };
    const Case cases[] = {{-1.0, 1.0, 0.5, 0.5, 1}, {0.0, 0.0, 0.5, 0.5, 2}, {1.0, 1.0, 1.5, -0.5, 3},
                          {1.0, 1.0, 0.5, 1.5, 4},  {1.0, 1.0, 0.5, 0.25, 5}, {0.0, 1.0, 0.0, 1.0, 6},
                          {1.0, 0.0, 1.0, 0.0, 7},  {kNaN, 1.0, 0.5, 0.5, 1}, {1.0, 1.0, kNaN, 0.5, 3}};
    for (const Case& c : cases) {
        double w = 0.0;
        double w1 = 0.0;
        int error = 0;
        qdists::bratio(c.a, c.b, c.x, c.y, w, w1, error);
        EXPECT_EQ(error, c.error) << c.a << ' ' << c.b << ' ' << c.x << ' ' << c.y;
    }
}

TEST(Beta, ZeroFinderReportsAMissingSignChange)
{
    const qdists::ZeroSearch search = qdists::dstzr(0.0, 1.0, 1e-50, 1e-8);
    const qdists::ZeroResult above = qdists::dzror(search, [](double t) { return 2.0 - t; });
    EXPECT_EQ(above.status, -1);
    EXPECT_FALSE(above.lowerEnd);
    EXPECT_TRUE(above.fAbove);
    const qdists::ZeroResult root = qdists::dzror(search, [](double t) { return t * t - 0.25; });
    EXPECT_EQ(root.status, 0);
    EXPECT_NEAR(root.x, 0.5, 1e-8);
    // A NaN function ends the search by its iteration limit.
    EXPECT_EQ(qdists::dzror(search, [](double) { return kNaN; }).status, -1);
}
