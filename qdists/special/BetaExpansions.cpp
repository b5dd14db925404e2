#include "qdists/special/BetaExpansions.h"

#include "qdists/special/Constants.h"
#include "qdists/special/ElementaryFunctions.h"
#include "qdists/special/IncompleteGamma.h"
#include "qdists/special/LogBeta.h"
#include "qdists/special/LogGamma.h"
#include "qdists/special/MachineConstants.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qdists {

namespace {

constexpr int kAsymptoticTerms = 30; // BGRAT's limit

// x^a / (a B(a, b)), the leading factor of the power series (TOMS 708 BPSER).
double powerSeriesFactor(double a, double b, double x)
{
    const double a0 = std::min(a, b);
    if (a0 >= 1.0) {
        return std::exp(a * std::log(x) - lnBeta(a, b)) / a;
    }
    double b0 = std::max(a, b);
    if (b0 >= 8.0) {
        const double u = lnGammaOnePlus(a0) + lnGammaRatio(a0, b0);
        return a0 / a * std::exp(a * std::log(x) - u);
    }
    if (b0 <= 1.0) {
        const double power = std::pow(x, a);
        if (power == 0.0) {
            return 0.0;
        }
        const double apb = a + b;
        const double c = reciprocalGammaOnePlus(a) * reciprocalGammaOnePlus(b) / reciprocalGammaOnePlus(apb);
        return power * c * (b / apb);
    }
    const double u = lnGammaOnePlus(a0) + lnLowerShape(a0, b0);
    const double z = a * std::log(x) - u;
    b0 -= 1.0;
    return std::exp(z) * (a0 / a) * reciprocalGammaOnePlus(b0) / reciprocalGammaOnePlus(a0 + b0);
}

} // namespace

double betaPowerSeries(double a, double b, double x, double eps)
{
    if (x == 0.0) {
        return 0.0;
    }
    const double factor = powerSeriesFactor(a, b, x);
    if (factor == 0.0 || a <= 0.1 * eps) {
        return factor;
    }
    // TOMS 708 eq. (2.5): 1 + a sum_n (1 - b)...(n - b)/n! x^n / (a + n).
    double sum = 0.0;
    double n = 0.0;
    double c = 1.0;
    const double tol = eps / a;
    double w = 0.0;
    do {
        n += 1.0;
        c *= (0.5 + (0.5 - b / n)) * x;
        w = c / (a + n);
        sum += w;
    } while (std::fabs(w) > tol);
    return factor * (1.0 + a * sum);
}

double betaUpwardDifference(double a, double b, double x, double y, int n, double eps)
{
    // TOMS 708 BUP: the kernel times sum_i (a+b)_i / (a+1)_i x^i, scaled
    // by e^-mu where the kernel could overflow.
    const double apb = a + b;
    const double ap1 = a + 1.0;
    int mu = 0;
    double d = 1.0;
    if (n != 1 && a >= 1.0 && apb >= 1.1 * ap1) {
        mu = static_cast<int>(std::min(std::fabs(exparg(1)), exparg(0)));
        d = std::exp(-static_cast<double>(mu));
    }
    const double kernel = betaKernel(mu, a, b, x, y) / a;
    if (n == 1 || kernel == 0.0) {
        return kernel;
    }
    const int nm1 = n - 1;
    double w = d;
    // The first k terms grow; only the later ones may be cut off.
    int k = 0;
    if (b > 1.0) {
        if (y <= 1.e-4) {
            k = nm1;
        } else {
            const double r = (b - 1.0) * x / y - a;
            if (r >= 1.0) {
                k = r < nm1 ? static_cast<int>(r) : nm1;
            }
        }
    }
    for (int i = 0; i < nm1; ++i) {
        d = (apb + i) / (ap1 + i) * x * d;
        w += d;
        if (i >= k && d <= eps * w) {
            break;
        }
    }
    return kernel * w;
}

double betaContinuedFraction(double a, double b, double x, double y, double lambda, double eps)
{
    const double kernel = betaKernel(0, a, b, x, y);
    if (kernel == 0.0) {
        return 0.0;
    }
    // TOMS 708 eq. (2.9), evaluated by the forward recurrence with rescaling.
    const double c = 1.0 + lambda;
    const double c0 = b / a;
    const double c1 = 1.0 + 1.0 / a;
    const double yp1 = y + 1.0;
    double n = 0.0;
    double p = 1.0;
    double s = a + 1.0;
    double an = 0.0;
    double bn = 1.0;
    double anp1 = 1.0;
    double bnp1 = c / c1;
    double r = c1 / c;
    for (;;) {
        n += 1.0;
        double t = n / a;
        const double w = n * (b - n) * x;
        double e = a / s;
        const double alpha = p * (p + c0) * e * e * (w * x);
        e = (1.0 + t) / (c1 + t + t);
        const double beta = n + w / s + e * (c + n * yp1);
        p = 1.0 + t;
        s += 2.0;
        t = alpha * an + beta * anp1;
        an = anp1;
        anp1 = t;
        t = alpha * bn + beta * bnp1;
        bn = bnp1;
        bnp1 = t;
        const double r0 = r;
        r = anp1 / bnp1;
        if (!(std::fabs(r - r0) > eps * r)) {
            break;
        }
        an /= bnp1;
        bn /= bnp1;
        anp1 = r;
        bnp1 = 1.0;
    }
    return kernel * r;
}

bool addBetaAsymptotic(double a, double b, double x, double y, double& w, double eps)
{
    // TOMS 708 BGRAT: expansion in the incomplete gamma ratio Q(b, z),
    // z = -nu ln x, nu = a + (b - 1)/2.
    const double bm1 = b - 0.5 - 0.5;
    const double nu = a + 0.5 * bm1;
    const double lnx = y > 0.375 ? std::log(x) : lnOnePlus(-y);
    const double z = -(nu * lnx);
    if (b * z == 0.0) {
        return false;
    }
    // r = b (1 + gam1(b)) z^b x^a x^(bm1/2) = e^-z z^b / Gamma(b) scaled.
    double r = b * (1.0 + reciprocalGammaOnePlusMinusOne(b)) * std::exp(b * std::log(z));
    r *= std::exp(a * lnx) * std::exp(0.5 * bm1 * lnx);
    const double u = r * std::exp(-(lnGammaRatio(b, a) + b * std::log(nu)));
    if (u == 0.0) {
        return false;
    }
    const GammaRatios gamma = gammaRatiosSmallShape(b, z, r, eps);
    const double v = 0.25 * (1.0 / nu) * (1.0 / nu);
    const double t2 = 0.25 * lnx * lnx;
    const double l = w / u;
    double j = gamma.q / r;
    double sum = j;
    double t = 1.0;
    double cn = 1.0;
    double n2 = 0.0;
    std::array<double, kAsymptoticTerms> c{};
    std::array<double, kAsymptoticTerms> d{};
    for (int n = 1; n <= kAsymptoticTerms; ++n) {
        const double bp2n = b + n2;
        j = (bp2n * (bp2n + 1.0) * j + (z + bp2n + 1.0) * t) * v;
        n2 += 2.0;
        t *= t2;
        cn /= n2 * (n2 + 1.0);
        c[n - 1] = cn;
        double s = 0.0;
        double coef = b - n;
        for (int i = 1; i < n; ++i) {
            s += coef * c[i - 1] * d[n - i - 1];
            coef += b;
        }
        d[n - 1] = bm1 * cn + s / n;
        const double dj = d[n - 1] * j;
        sum += dj;
        if (sum <= 0.0) {
            return false;
        }
        if (std::fabs(dj) <= eps * (sum + l)) {
            break;
        }
    }
    w += u * sum;
    return true;
}

double betaSmallB(double a, double b, double x, double eps)
{
    // TOMS 708 FPSER: I_x(a, b) ~ b/a x^a (1 + a sum x^n / (a + n)).
    double factor = 1.0;
    if (a > 1.e-3 * eps) {
        const double t = a * std::log(x);
        if (t < exparg(1)) {
            return 0.0;
        }
        factor = std::exp(t);
    }
    factor *= b / a;
    const double tol = eps / a;
    double an = a + 1.0;
    double t = x;
    double s = t / an;
    double c = 0.0;
    do {
        an += 1.0;
        t *= x;
        c = t / an;
        s += c;
    } while (std::fabs(c) > tol);
    return factor * (1.0 + a * s);
}

double betaSmallA(double a, double b, double x, double eps)
{
    // TOMS 708 APSER: 1 - I_x(a, b) = -a (c + sum) with c from psi(b).
    const double bx = b * x;
    double t = x - bx;
    const double c = b * eps > 2.e-2 ? std::log(bx) + constants::published::euler + t
                                    : std::log(x) + digamma(b) + constants::published::euler + t;
    const double tol = 5.0 * eps * std::fabs(c);
    double j = 1.0;
    double s = 0.0;
    double aj = 0.0;
    do {
        j += 1.0;
        t *= x - bx / j;
        aj = t / j;
        s += aj;
    } while (std::fabs(aj) > tol);
    return -(a * (c + s));
}

} // namespace qdists
