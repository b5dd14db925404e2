#include "qdists/special/SpecialFunctions.h"

#include "qdists/special/IncompleteBeta.h"
#include "qdists/special/SolverArguments.h"
#include "qdists/special/ZeroFinder.h"

namespace qdists {

namespace {

// The search range of X and its tolerances.
constexpr double kSearchLow = 0.0;
constexpr double kSearchHigh = 1.0;
constexpr double kAbsoluteTolerance = 1.0e-50;
constexpr double kRelativeTolerance = 1.0e-8;

// Mode 2: search the smaller tail, X against P when P <= Q, else Y
// against Q, so that the function searched is known to full precision.
void solveForX(double p, double q, double& x, double& y, double a, double b, int& status, double& bound)
{
    const bool onX = p <= q;
    const ZeroSearch search = dstzr(kSearchLow, kSearchHigh, kAbsoluteTolerance, kRelativeTolerance);
    const ZeroResult zero = dzror(search, [&](double t) {
        double cum = 0.0;
        double ccum = 0.0;
        if (onX) {
            cumbet(t, 1.0 - t, a, b, cum, ccum);
            return cum - p;
        }
        cumbet(1.0 - t, t, a, b, cum, ccum);
        return ccum - q;
    });
    x = onX ? zero.x : 1.0 - zero.x;
    y = onX ? 1.0 - zero.x : zero.x;
    if (zero.status != 0 || x <= kSearchLow || x >= kSearchHigh) {
        // The answer lies at or beyond an end of [0, 1].
        const bool below = zero.status != 0 ? zero.lowerEnd == onX : x <= kSearchLow;
        status = below ? 1 : 2;
        bound = below ? kSearchLow : kSearchHigh;
    }
}

} // namespace

void cdfbet(int which, double& p, double& q, double& x, double& y, double& a, double& b, int& status, double& bound)
{
    if (!beginSolve(which, status, bound)) {
        return;
    }
    if (which == 1) {
        if (checkClosedRange(x, 0.0, 1.0, 4, status, bound) && checkClosedRange(y, 0.0, 1.0, 5, status, bound) &&
            checkPositive(a, 6, status, bound) && checkPositive(b, 7, status, bound) &&
            checkUnitSum(x, y, 4, status, bound)) {
            cumbet(x, y, a, b, p, q);
        }
        return;
    }
    if (checkProbability(p, 2, status, bound) && checkProbability(q, 3, status, bound) &&
        checkPositive(a, 6, status, bound) && checkPositive(b, 7, status, bound) &&
        checkUnitSum(p, q, 3, status, bound)) {
        solveForX(p, q, x, y, a, b, status, bound);
    }
}

} // namespace qdists
