#include "qdists/special/IncompleteGamma.h"

#include "qdists/special/Constants.h"
#include "qdists/special/ElementaryFunctions.h"
#include "qdists/special/ErrorFunction.h"
#include "qdists/special/GammaTemme.h"
#include "qdists/special/LogGamma.h"
#include "qdists/special/MachineConstants.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qdists {

namespace {

// Per accuracy level (TOMS 654 GRATIO): the tolerance, the smallest a for
// Temme's expansion, and the limits of the Temme and asymptotic forms.
constexpr std::array<double, 3> kAccuracy = {5.e-15, 5.e-7, 5.e-4};
constexpr std::array<double, 3> kTemmeShape = {20.0, 14.0, 10.0};
constexpr std::array<double, 3> kTemmeNearOne = {.25e-3, .25e-1, .14e0};
constexpr std::array<double, 3> kAsymptoticX = {31.0, 17.0, 9.7};

using Ratios = GammaRatios;

Ratios fromP(double p) { return {p, 0.5 + (0.5 - p)}; }
Ratios fromQ(double q) { return {0.5 + (0.5 - q), q}; }
constexpr Ratios kError = {2.0, 0.0};

// Sum of a series whose first terms (above 1e-3) are kept and added last,
// smallest first, for accuracy.
template <typename NextTerm>
double seriesSum(double first, NextTerm next, double tolerance, bool byMagnitude)
{
    std::array<double, 20> early{};
    std::size_t kept = 0;
    double t = first;
    early[kept++] = t;
    while (kept < early.size()) {
        t = next(t);
        if ((byMagnitude ? std::fabs(t) : t) <= 1.e-3) {
            break;
        }
        early[kept++] = t;
    }
    double sum = kept < early.size() ? t : early[--kept];
    while ((byMagnitude ? std::fabs(t) : t) > tolerance) {
        t = next(t);
        sum += t;
    }
    while (kept > 0) {
        sum += early[--kept];
    }
    return sum;
}

// Finite sums for Q when 2a is an integer and a < 20 (TOMS 654 eqs. 13, 14).
Ratios finiteSum(double a, double x)
{
    const int n = static_cast<int>(a);
    const bool integer = a == static_cast<double>(n);
    double sum = 0.0;
    double t = 0.0;
    double c = 0.0;
    if (integer) {
        sum = std::exp(-x);
        t = sum;
        c = 0.0;
    } else {
        const double rtx = std::sqrt(x);
        sum = errorFunctionComplement(rtx, false);
        t = std::exp(-x) / (constants::published::root_pi * rtx);
        c = -0.5;
    }
    for (int k = integer ? 1 : 0; k < n; ++k) {
        c += 1.0;
        t = x * t / c;
        sum += t;
    }
    return fromQ(sum);
}

// Taylor series for P/r, r = x^a e^-x / Gamma(a + 1) a (TOMS 654 eq. 15).
Ratios taylorP(double a, double x, double r, double acc)
{
    double apn = a + 1.0;
    const double sum = seriesSum(
        x / apn,
        [&](double t) {
            apn += 1.0;
            return t * (x / apn);
        },
        0.5 * acc, false);
    return fromP(r / a * (1.0 + sum));
}

// Asymptotic expansion of Q for large x (TOMS 654 eq. 16).
Ratios asymptoticQ(double a, double x, double r, double acc)
{
    double amn = a - 1.0;
    const double sum = seriesSum(
        amn / x,
        [&](double t) {
            amn -= 1.0;
            return t * (amn / x);
        },
        acc, true);
    return fromQ(r / x * (1.0 + sum));
}

Ratios continuedFractionQ(double a, double x, double r, double acc)
{
    return gammaContinuedFraction(a, x, r, std::max(5.0 * spmpar(1), acc));
}

// P(1/2, x) = erf(sqrt x).
Ratios halfShape(double x)
{
    const double rt = std::sqrt(x);
    return x < 0.25 ? fromP(errorFunction(rt)) : fromQ(errorFunctionComplement(rt, false));
}

// The two outcomes when the answer is 0 or 1 to working precision.
Ratios saturated(double a, double x) { return x <= a ? Ratios{0.0, 1.0} : Ratios{1.0, 0.0}; }

// a >= 20 (or the accuracy level's limit): Temme's uniform expansion,
// the Gaussian-like approximation or the other forms in x/a.
Ratios largeShape(double a, double x, GammaAccuracy accuracy, std::size_t level, double acc)
{
    const double e = spmpar(1);
    const double l = x / a;
    if (l == 0.0) {
        return {0.0, 1.0};
    }
    const double s = 0.5 + (0.5 - l);
    const double z = xMinusOneMinusLn(l);
    if (z >= 700.0 / a) {
        return std::fabs(s) <= 2.0 * e ? kError : saturated(a, x);
    }
    const double y = a * z;
    const double rta = std::sqrt(a);
    if (std::fabs(s) <= kTemmeNearOne[level] / rta) {
        return temmeNearOne(a, l, y, z, accuracy);
    }
    if (std::fabs(s) <= 0.4) {
        return temmeGeneral(a, l, s, y, z, accuracy);
    }
    const double t = (1.0 / a) * (1.0 / a);
    const double t1 = (((0.75 * t - 1.0) * t + 3.5) * t - 105.0) / (a * 1260.0) - y;
    const double r = constants::published::one_div_root_two_pi * rta * std::exp(t1);
    if (r == 0.0) {
        return saturated(a, x);
    }
    if (x <= std::max(a, constants::published::ln_ten)) {
        return taylorP(a, x, r, acc);
    }
    return x < kAsymptoticX[level] ? continuedFractionQ(a, x, r, acc) : asymptoticQ(a, x, r, acc);
}

Ratios ratios(double a, double x, GammaAccuracy accuracy)
{
    if (!(a >= 0.0) || !(x >= 0.0) || (a == 0.0 && x == 0.0)) {
        return kError;
    }
    if (a * x == 0.0) {
        return saturated(a, x);
    }
    if (std::isinf(x)) {
        return {1.0, 0.0};
    }
    const auto level = static_cast<std::size_t>(accuracy);
    const double acc = std::max(kAccuracy[level], spmpar(1));
    if (a < 1.0) {
        if (a == 0.5) {
            return halfShape(x);
        }
        if (x < 1.1) {
            return gammaSmallXSeries(a, x, 3.0 * acc / (a + 1.0));
        }
        const double u = a * std::exp(a * std::log(x) - x);
        if (u == 0.0) {
            return {1.0, 0.0};
        }
        return continuedFractionQ(a, x, u * (1.0 + reciprocalGammaOnePlusMinusOne(a)), acc);
    }
    if (a >= kTemmeShape[level]) {
        return largeShape(a, x, accuracy, level, acc);
    }
    if (a <= x && x < kAsymptoticX[level] && std::floor(2.0 * a) == 2.0 * a) {
        return finiteSum(a, x);
    }
    const double r = std::exp(a * std::log(x) - x) / gammaPositive(a);
    if (r == 0.0) {
        return saturated(a, x);
    }
    if (x <= std::max(a, constants::published::ln_ten)) {
        return taylorP(a, x, r, acc);
    }
    return x < kAsymptoticX[level] ? continuedFractionQ(a, x, r, acc) : asymptoticQ(a, x, r, acc);
}

} // namespace

GammaRatios gammaRatiosSmallShape(double a, double x, double r, double eps)
{
    if (a * x == 0.0) {
        return saturated(a, x);
    }
    if (a == 0.5) {
        return halfShape(x);
    }
    return x < 1.1 ? gammaSmallXSeries(a, x, 0.1 * eps / (a + 1.0)) : gammaContinuedFraction(a, x, r, eps);
}

void incompleteGammaRatios(double a, double x, double& p, double& q, GammaAccuracy accuracy)
{
    const Ratios result = ratios(a, x, accuracy);
    p = result.p;
    q = result.q;
}

double gammaKernel(double a, double x)
{
    if (a < 20.0) {
        const double t = a * std::log(x) - x;
        if (a < 1.0) {
            return a * std::exp(t) * (1.0 + reciprocalGammaOnePlusMinusOne(a));
        }
        return std::exp(t) / gammaPositive(a);
    }
    // Stirling form: e^(-a rlog(x/a)) sqrt(a / 2 pi) with the series correction.
    const double u = x / a;
    if (u == 0.0) {
        return 0.0;
    }
    const double t = (1.0 / a) * (1.0 / a);
    const double t1 = (((0.75 * t - 1.0) * t + 3.5) * t - 105.0) / (a * 1260.0) - a * xMinusOneMinusLn(u);
    return constants::published::one_div_root_two_pi * std::sqrt(a) * std::exp(t1);
}

void cumgam(double x, double a, double& p, double& q)
{
    if (x <= 0.0) {
        p = 0.0;
        q = 1.0;
        return;
    }
    incompleteGammaRatios(a, x, p, q, GammaAccuracy::Full);
}

// Taylor series for P(a, x)/x^a, for a < 1 and x < 1.1 (TOMS 654 eq. 15).
GammaRatios gammaSmallXSeries(double a, double x, double tol)
{
    double an = 3.0;
    double c = x;
    double sum = x / (a + 3.0);
    double t = 0.0;
    do {
        an += 1.0;
        c = -(c * (x / an));
        t = c / (a + an);
        sum += t;
    } while (std::fabs(t) > tol);
    const double j = a * x * ((sum / 6.0 - 0.5 / (a + 2.0)) * x + 1.0 / (a + 1.0));
    const double z = a * std::log(x);
    const double h = reciprocalGammaOnePlusMinusOne(a);
    const double g = 1.0 + h;
    const bool direct = (x < 0.25) ? z <= -.13394 : a >= x / 2.59;
    if (direct) {
        return fromP(std::exp(z) * g * (0.5 + (0.5 - j)));
    }
    const double l = expMinusOne(z);
    const double q = ((0.5 + (0.5 + l)) * j - l) * g - h;
    return q < 0.0 ? Ratios{1.0, 0.0} : fromQ(q);
}

// Legendre's continued fraction for Q (TOMS 654 eq. 17).
GammaRatios gammaContinuedFraction(double a, double x, double r, double tol)
{
    double a2nm1 = 1.0;
    double a2n = 1.0;
    double b2nm1 = x;
    double b2n = x + (1.0 - a);
    double c = 1.0;
    double an0 = 0.0;
    double am0 = 0.0;
    do {
        a2nm1 = x * a2n + c * a2nm1;
        b2nm1 = x * b2n + c * b2nm1;
        am0 = a2nm1 / b2nm1;
        c += 1.0;
        const double cma = c - a;
        a2n = a2nm1 + cma * a2n;
        b2n = b2nm1 + cma * b2n;
        an0 = a2n / b2n;
    } while (std::fabs(an0 - am0) >= tol * an0);
    return fromQ(r * an0);
}

} // namespace qdists
