#include "qdists/special/BetaExpansions.h"

#include "qdists/special/Constants.h"
#include "qdists/special/ElementaryFunctions.h"
#include "qdists/special/LogBeta.h"
#include "qdists/special/LogGamma.h"

#include <algorithm>
#include <cmath>

namespace qdists {

namespace {

// Both shapes >= 8: the form in lambda = a - (a + b) x of TOMS 708 BRCMP1.
double largeShapes(int mu, double a, double b, double x, double y)
{
    const bool aSmaller = a <= b;
    const double h = aSmaller ? a / b : b / a;
    const double x0 = aSmaller ? h / (1.0 + h) : 1.0 / (1.0 + h);
    const double y0 = aSmaller ? 1.0 / (1.0 + h) : h / (1.0 + h);
    const double lambda = aSmaller ? a - (a + b) * x : (a + b) * y - b;
    double e = -(lambda / a);
    const double u = std::fabs(e) > 0.6 ? e - std::log(x / x0) : xMinusLnOnePlus(e);
    e = lambda / b;
    const double v = std::fabs(e) > 0.6 ? e - std::log(y / y0) : xMinusLnOnePlus(e);
    const double z = expOfSum(mu, -(a * u + b * v));
    return constants::published::one_div_root_two_pi * std::sqrt(b * x0) * z * std::exp(-stirlingBetaCorrection(a, b));
}

} // namespace

double betaKernel(int mu, double a, double b, double x, double y)
{
    const double a0 = std::min(a, b);
    if (a0 >= 8.0) {
        return largeShapes(mu, a, b, x, y);
    }
    double lnx = 0.0;
    double lny = 0.0;
    if (x <= 0.375) {
        lnx = std::log(x);
        lny = lnOnePlus(-x);
    } else if (y <= 0.375) {
        lnx = lnOnePlus(-y);
        lny = std::log(y);
    } else {
        lnx = std::log(x);
        lny = std::log(y);
    }
    double z = a * lnx + b * lny;
    if (a0 >= 1.0) {
        return expOfSum(mu, z - lnBeta(a, b));
    }
    double b0 = std::max(a, b);
    if (b0 >= 8.0) {
        const double u = lnGammaOnePlus(a0) + lnGammaRatio(a0, b0);
        return a0 * expOfSum(mu, z - u);
    }
    if (b0 <= 1.0) {
        // Both shapes <= 1: 1/B(a, b) from the gam1 forms.
        const double kernel = expOfSum(mu, z);
        if (kernel == 0.0) {
            return 0.0;
        }
        const double c = reciprocalGammaOnePlus(a) * reciprocalGammaOnePlus(b) / reciprocalGammaOnePlus(a + b);
        return kernel * (a0 * c) / (1.0 + a0 / b0);
    }
    // a0 < 1 < b0 < 8: reduce b0 below 2 by the recurrence.
    z -= lnGammaOnePlus(a0) + lnLowerShape(a0, b0);
    b0 -= 1.0;
    const double t = reciprocalGammaOnePlus(a0 + b0);
    return a0 * expOfSum(mu, z) * reciprocalGammaOnePlus(b0) / t;
}

} // namespace qdists
