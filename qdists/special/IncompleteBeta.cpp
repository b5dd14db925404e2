#include "qdists/special/IncompleteBeta.h"

#include "qdists/special/BetaExpansions.h"
#include "qdists/special/MachineConstants.h"

#include <algorithm>
#include <cmath>

namespace qdists {

namespace {

struct BetaRatio {
    double w;
    double w1;
};

BetaRatio fromW(double w) { return {w, 0.5 + (0.5 - w)}; }
BetaRatio fromW1(double w1) { return {0.5 + (0.5 - w1), w1}; }

// The power series, on x or on y with the shapes swapped.
BetaRatio powerSeries(double a0, double b0, double x0, double y0, bool onY, double eps)
{
    return onY ? fromW1(betaPowerSeries(b0, a0, y0, eps)) : fromW(betaPowerSeries(a0, b0, x0, eps));
}

// BUP over n steps of the shape b0 on y, then BGRAT (TOMS 708 BRATIO 140/150).
BetaRatio upThenAsymptotic(double a0, double b0, double x0, double y0, int n, double eps)
{
    double w1 = n > 0 ? betaUpwardDifference(b0, a0, y0, x0, n, eps) : 0.0;
    addBetaAsymptotic(b0 + n, a0, y0, x0, w1, 15.0 * eps);
    return fromW1(w1);
}

// min(a, b) <= 1 (TOMS 708 BRATIO, with x0 <= 1/2 after the swap).
BetaRatio smallShapes(double a0, double b0, double x0, double y0, double eps)
{
    if (b0 < std::min(eps, eps * a0)) {
        return fromW(betaSmallB(a0, b0, x0, eps));
    }
    if (a0 < std::min(eps, eps * b0) && b0 * x0 <= 1.0) {
        return fromW1(betaSmallA(a0, b0, x0, eps));
    }
    if (std::max(a0, b0) <= 1.0) {
        if (a0 >= std::min(0.2, b0) || std::pow(x0, a0) <= 0.9) {
            return powerSeries(a0, b0, x0, y0, false, eps);
        }
        return x0 >= 0.3 ? powerSeries(a0, b0, x0, y0, true, eps) : upThenAsymptotic(a0, b0, x0, y0, 20, eps);
    }
    if (b0 <= 1.0) {
        return powerSeries(a0, b0, x0, y0, false, eps);
    }
    if (x0 >= 0.3) {
        return powerSeries(a0, b0, x0, y0, true, eps);
    }
    if (x0 < 0.1 && std::pow(x0 * b0, a0) <= 0.7) {
        return powerSeries(a0, b0, x0, y0, false, eps);
    }
    return upThenAsymptotic(a0, b0, x0, y0, b0 > 15.0 ? 0 : 20, eps);
}

// Both shapes > 1, b0 < 40: reduce b0 to (0, 1] with BUP, then the power
// series or, for x0 > 0.7, BUP and BGRAT on a0 (TOMS 708 BRATIO 160-190).
BetaRatio reduceShape(double a0, double b0, double x0, double y0, double eps)
{
    int n = static_cast<int>(b0);
    b0 -= n;
    if (b0 == 0.0) {
        n -= 1;
        b0 = 1.0;
    }
    double w = betaUpwardDifference(b0, a0, y0, x0, n, eps);
    if (x0 <= 0.7) {
        w += betaPowerSeries(a0, b0, x0, eps);
        return fromW(w);
    }
    if (a0 <= 15.0) {
        w += betaUpwardDifference(a0, b0, x0, y0, 20, eps);
        a0 += 20.0;
    }
    addBetaAsymptotic(a0, b0, x0, y0, w, 15.0 * eps);
    return fromW(w);
}

// Both shapes > 1 (TOMS 708 BRATIO 40-80, lambda >= 0 after the swap). Where
// TOMS 708 takes its asymptotic expansion BASYM (both shapes above 100,
// lambda small) the continued fraction is used: it converges there too.
BetaRatio largeShapes(double a0, double b0, double x0, double y0, double lambda, double eps)
{
    if (b0 < 40.0) {
        return b0 * x0 <= 0.7 ? powerSeries(a0, b0, x0, y0, false, eps) : reduceShape(a0, b0, x0, y0, eps);
    }
    return fromW(betaContinuedFraction(a0, b0, x0, y0, lambda, 15.0 * eps));
}

int checkArguments(double a, double b, double x, double y)
{
    if (!(a >= 0.0) || !(b >= 0.0)) {
        return 1;
    }
    if (a == 0.0 && b == 0.0) {
        return 2;
    }
    if (!(x >= 0.0 && x <= 1.0)) {
        return 3;
    }
    if (!(y >= 0.0 && y <= 1.0)) {
        return 4;
    }
    if (std::fabs(x + y - 0.5 - 0.5) > 3.0 * spmpar(1)) {
        return 5;
    }
    if (x == 0.0 && a == 0.0) {
        return 6;
    }
    if (y == 0.0 && b == 0.0) {
        return 7;
    }
    return 0;
}

BetaRatio ratio(double a, double b, double x, double y)
{
    if (x == 0.0 || b == 0.0) {
        return {0.0, 1.0};
    }
    if (y == 0.0 || a == 0.0) {
        return {1.0, 0.0};
    }
    const double eps = std::max(spmpar(1), 1.e-15);
    if (std::max(a, b) < 1.e-3 * eps) {
        return {b / (a + b), a / (a + b)};
    }
    // Work with the smaller tail: swap (a, x) with (b, y) where needed.
    bool swapped = false;
    double lambda = 0.0;
    if (std::min(a, b) <= 1.0) {
        swapped = x > 0.5;
    } else {
        lambda = a > b ? (a + b) * y - b : a - (a + b) * x;
        swapped = lambda < 0.0;
        lambda = std::fabs(lambda);
    }
    const double a0 = swapped ? b : a;
    const double b0 = swapped ? a : b;
    const double x0 = swapped ? y : x;
    const double y0 = swapped ? x : y;
    const BetaRatio r = std::min(a, b) <= 1.0 ? smallShapes(a0, b0, x0, y0, eps)
                                               : largeShapes(a0, b0, x0, y0, lambda, eps);
    return swapped ? BetaRatio{r.w1, r.w} : r;
}

} // namespace

void bratio(double a, double b, double x, double y, double& w, double& w1, int& error)
{
    w = 0.0;
    w1 = 0.0;
    error = checkArguments(a, b, x, y);
    if (error != 0) {
        return;
    }
    const BetaRatio r = ratio(a, b, x, y);
    w = r.w;
    w1 = r.w1;
}

void cumbet(double x, double y, double a, double b, double& p, double& q)
{
    if (x <= 0.0) {
        p = 0.0;
        q = 1.0;
        return;
    }
    if (y <= 0.0) {
        p = 1.0;
        q = 0.0;
        return;
    }
    int error = 0;
    bratio(a, b, x, y, p, q, error);
}

} // namespace qdists
