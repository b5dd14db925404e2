#include "qdists/special/NormalFunctions.h"
#include "qdists/special/SpecialFunctions.h"
#include "tests/special/SolverCall.h"
#include "tests/special/Tolerances.h"

#include <cmath>

using namespace special_test;

namespace {

SolverCall callCdfnor(int which, double p, double q, double x, double mean, double sd)
{
    SolverCall c = withInputs(p, q, x);
    qdists::cdfnor(which, c.p, c.q, c.x, mean, sd, c.status, c.bound);
    return c;
}

} // namespace

TEST(Normal, CumnorMatchesReference)
{
    WorstError lower(kCumnorTolerance);
    WorstError upper(kCumnorTolerance);
    for (const Row& row : readTable("normal_cdf.txt")) {
        double p = 0.0;
        double q = 0.0;
        qdists::cumnor(row[0], p, q);
        // Below the smallest normalised double the routine returns 0.
        lower.record(p, row[1] < DBL_MIN ? 0.0 : row[1], row);
        upper.record(q, row[2] < DBL_MIN ? 0.0 : row[2], row);
    }
    lower.check("cumnor P");
    upper.check("cumnor Q");
}

TEST(Normal, DinvnrMatchesReferenceFrom1e300To1Minus1e16)
{
    WorstError error(kDinvnrTolerance);
    for (const Row& row : readTable("normal_quantile.txt")) {
        error.record(qdists::dinvnr(row[0], row[1]), row[2], row);
    }
    error.check("dinvnr");
}

TEST(Normal, CdfnorModesAgreeWithReferenceThroughMeanAndSd)
{
    WorstError quantile(kDinvnrTolerance);
    for (const Row& row : readTable("normal_quantile.txt")) {
        const SolverCall c = callCdfnor(2, row[0], row[1], 0.0, 0.0, 1.0);
        ASSERT_EQ(c.status, 0);
        quantile.record(c.x, row[2], row);
    }
    quantile.check("cdfnor mode 2");
    // Shifting and scaling: x = mean + sd z exactly for a power-of-two sd.
    const SolverCall shifted = callCdfnor(2, 0.975, 0.025, 0.0, 10.0, 4.0);
    EXPECT_NEAR(shifted.x, 10.0 + 4.0 * 1.959963984540054, 1e-13);
    const SolverCall back = callCdfnor(1, 0.0, 0.0, shifted.x, 10.0, 4.0);
    EXPECT_NEAR(back.p, 0.975, 1e-15);
    EXPECT_NEAR(back.q, 0.025, 1e-16);
}

TEST(Normal, EdgeCases)
{
    const SolverCall z = callCdfnor(2, 0.975, 0.025, 0.0, 0.0, 1.0);
    EXPECT_EQ(z.status, 0);
    EXPECT_NEAR(z.x, 1.959963984540054, 4e-16);
    const SolverCall half = callCdfnor(1, 0.0, 0.0, 0.0, 0.0, 1.0);
    EXPECT_EQ(half.p, 0.5);
    EXPECT_EQ(half.q, 0.5);
    EXPECT_NEAR(callCdfnor(2, 0.5, 0.5, 1.0, 0.0, 1.0).x, 0.0, 1e-16);
    // Past about -37.5 the lower tail is below the normalised doubles.
    const SolverCall far = callCdfnor(1, 1.0, 1.0, -38.0, 0.0, 1.0);
    EXPECT_EQ(far.p, 0.0);
    EXPECT_EQ(far.q, 1.0);
    EXPECT_NEAR(qdists::stvaln(0.025), -1.96, 2e-3);
}

TEST(Normal, StatusesAndBounds)
{
    struct Case {
        int which;
        double p, q, sd;
        int status;
        double bound;
    };
    const Case cases[] = {
        {0, 0.5, 0.5, 1.0, -1, 1.0},    {5, 0.5, 0.5, 1.0, -1, 4.0},   {3, 0.5, 0.5, 1.0, -1, 2.0},
        {2, 0.0, 1.0, 1.0, -2, 0.0},    {2, 1.5, 0.5, 1.0, -2, 1.0},   {2, kNaN, 0.5, 1.0, -2, 1.0},
        {2, 0.5, -0.1, 1.0, -3, 0.0},   {2, 0.5, 1.01, 1.0, -3, 1.0},  {2, 0.5, kNaN, 1.0, -3, 1.0},
        {2, 0.5, 0.5, 0.0, -6, 0.0},    {1, 0.5, 0.5, -1.0, -6, 0.0},  {2, 0.5, 0.5, kNaN, -6, 0.0},
        {2, 0.3, 0.3, 1.0, 3, 1.0},     {2, 0.5, 0.5 + 1e-15, 1.0, 3, 1.0},
    };
    for (const Case& c : cases) {
        const SolverCall r = callCdfnor(c.which, c.p, c.q, 0.0, 0.0, c.sd);
        EXPECT_EQ(r.status, c.status) << c.which << ' ' << c.p << ' ' << c.q << ' ' << c.sd;
        EXPECT_EQ(r.bound, c.bound) << c.which << ' ' << c.p << ' ' << c.q << ' ' << c.sd;
    }
    // P + Q within three units of precision passes.
    EXPECT_EQ(callCdfnor(2, 0.5, 0.5 + 4e-16, 0.0, 0.0, 1.0).status, 0);
}

TEST(Normal, NaNArgumentsReturnNaNWithoutLooping)
{
    EXPECT_TRUE(std::isnan(callCdfnor(1, 0.0, 0.0, kNaN, 0.0, 1.0).p));
    EXPECT_TRUE(std::isnan(callCdfnor(1, 0.0, 0.0, 1.0, kNaN, 1.0).q));
    EXPECT_TRUE(std::isnan(callCdfnor(2, 0.3, 0.7, 0.0, kNaN, 1.0).x));
    EXPECT_TRUE(std::isnan(qdists::dinvnr(kNaN, kNaN)));
}
