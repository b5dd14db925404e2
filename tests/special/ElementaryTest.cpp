#include "qdists/special/ElementaryFunctions.h"
#include "qdists/special/IncompleteBeta.h"
#include "tests/special/Tolerances.h"

#include <cmath>

using namespace special_test;

// Both sides of |x| = 0.15: the rational form below, exp(x) - 1 formed as
// w (0.5 + (0.5 - 1/w)) above for positive x.
TEST(Elementary, ExpMinusOneMatchesReferenceOnBothSidesOfItsSplit)
{
    WorstError error(kExpMinusOneTolerance);
    for (const Row& row : readTable("exp_minus_one.txt")) {
        error.record(qdists::expMinusOne(row[0]), row[1], row);
    }
    error.check("expMinusOne");
    EXPECT_NEAR(qdists::expMinusOne(0.5), 0.6487212707001282, 1e-16);
}

// One shape at most 1 and the smaller tail's x from 0.1 to 0.3: twenty
// upward steps in the larger shape before the asymptotic expansion when it
// is at most 15, the expansion alone above, and the same points through the
// exchange of the shapes.
TEST(Elementary, BetaRatioWithOneSmallShapeMatchesReference)
{
    WorstError error(kCumbetTolerance);
    for (const Row& row : readTable("beta_cdf_recurrence.txt")) {
        double w = 0.0;
        double w1 = 0.0;
        int status = -1;
        qdists::bratio(row[0], row[1], row[2], 1.0 - row[2], w, w1, status);
        ASSERT_EQ(status, 0) << row[0] << ' ' << row[1] << ' ' << row[2];
        error.record(w, row[3], row);
        error.record(w1, row[4], row);
    }
    error.check("bratio, one shape at most 1");
}
