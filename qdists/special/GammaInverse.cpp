#include "qdists/special/IncompleteGamma.h"

#include "qdists/special/Constants.h"
#include "qdists/special/ElementaryFunctions.h"
#include "qdists/special/LogGamma.h"
#include "qdists/special/MachineConstants.h"
#include "qdists/special/SpecialFunctions.h"

#include <algorithm>
#include <cmath>

namespace qdists {

namespace {

// DiDonato and Morris, ACM TOMS 654 (1986), GAMINV, at full precision.
// Rational approximation of the normal quantile used for a > 1 (eq. 32).
constexpr double kA0 = 3.31125922108741e0;
constexpr double kA1 = 11.6616720288968e0;
constexpr double kA2 = 4.28342155967104e0;
constexpr double kA3 = .213623493715853e0;
constexpr double kB1 = 6.61053765625462e0;
constexpr double kB2 = 6.40691597760039e0;
constexpr double kB3 = 1.27364489782223e0;
constexpr double kB4 = .036117081018842e0;
// Iteration tolerances and the thresholds of the starting values.
constexpr double kTolerance = 1.e-5;
constexpr double kEps = 1.e-10;
constexpr double kLargeShape = 500.0;
constexpr double kTinyB = 1.e-28;
constexpr double kLargeShapeAccuracy = 1.e-06;
constexpr double kSmallStart = 2.e-03;
constexpr int kIterationLimit = 20;

enum class Next { Done, IterateP, IterateQ, Fail };

struct Start {
    double x;
    Next next;
    int error;
};

// p or q decides which ratio the Schroder iteration matches.
Start iterateBySize(double x, double p) { return {x, p > 0.5 ? Next::IterateQ : Next::IterateP, 0}; }

// The asymptotic series in 1/y for x when y = -ln(b) is large (eq. 25).
double largeYSeries(double a, double y, double s, double z)
{
    const double c1 = -(s * z);
    const double c2 = -(s * (1.0 + c1));
    const double c3 = s * ((0.5 * c1 + (2.0 - a)) * c1 + (2.5 - 1.5 * a));
    const double c4 = -(s * (((c1 / 3.0 + (2.5 - 1.5 * a)) * c1 + ((a - 6.0) * a + 7.0)) * c1 +
                             ((11.0 * a - 46.0) * a + 47.0) / 6.0));
    const double c5 = -(s * ((((-(c1 / 4.0) + (11.0 * a - 17.0) / 6.0) * c1 + ((-(3.0 * a) + 13.0) * a - 13.0)) * c1 +
                              0.5 * (((2.0 * a - 25.0) * a + 72.0) * a - 61.0)) *
                                 c1 +
                             (((25.0 * a - 195.0) * a + 477.0) * a - 379.0) / 12.0));
    return (((c5 / y + c4) / y + c3) / y + c2) / y + c1 + y;
}

// Starting values for a < 1 (eqs. 21 to 25).
Start smallShapeStart(double a, double p, double q)
{
    const double g = gammaPositive(a + 1.0);
    const double qg = q * g;
    const double b = qg / a;
    if (qg == 0.0 || (b == 0.0 && qg <= 0.6 * a)) {
        return {spmpar(3), Next::Fail, -8};
    }
    if (qg <= 0.6 * a) {
        if (a < 0.30 && b >= 0.35) {
            const double t = std::exp(-(b + constants::published::euler));
            const double u = t * std::exp(t);
            return iterateBySize(t * std::exp(u), p);
        }
        if (b < 0.45) {
            const double y = -std::log(b);
            const double s = 0.5 + (0.5 - a);
            const double z = std::log(y);
            const double t = y - s * z;
            if (b >= 0.15) {
                return {y - s * std::log(t) - std::log(1.0 + s / (t + 1.0)), Next::IterateQ, 0};
            }
            if (b > 0.01) {
                const double u = ((t + 2.0 * (3.0 - a)) * t + (2.0 - a) * (3.0 - a)) / ((t + (5.0 - a)) * t + 2.0);
                return {y - s * std::log(t) - std::log(u), Next::IterateQ, 0};
            }
            const double x = largeYSeries(a, y, s, z);
            return {x, b > kTinyB ? Next::IterateQ : Next::Done, 0};
        }
    }
    double xn = 0.0;
    if (b * q <= 1.e-8) {
        xn = std::exp(-(q / a + constants::published::euler));
    } else if (p > 0.9) {
        xn = std::exp((lnOnePlus(-q) + lnGammaOnePlus(a)) / a);
    } else {
        xn = std::exp(std::log(p * g) / a);
    }
    if (xn == 0.0) {
        // The quantile lies below the smallest double: 0 is its nearest value.
        return {0.0, Next::Done, 0};
    }
    return iterateBySize(xn / (0.5 + (0.5 - xn / (a + 1.0))), p);
}

// Refinement of a small starting value for a > 1, p <= 1/2 (eqs. 34, 35).
Start smallQuantileStart(double a, double w, double xn)
{
    const double ap1 = a + 1.0;
    if (xn > 0.70 * ap1) {
        return {xn, Next::IterateP, 0};
    }
    w += gamln(ap1);
    if (xn <= 0.15 * ap1) {
        const double ap2 = a + 2.0;
        const double ap3 = a + 3.0;
        double x = std::exp(w / a);
        x = std::exp((w + x - std::log(1.0 + x / ap1 * (1.0 + x / ap2))) / a);
        x = std::exp((w + x - std::log(1.0 + x / ap1 * (1.0 + x / ap2))) / a);
        x = std::exp((w + x - std::log(1.0 + x / ap1 * (1.0 + x / ap2 * (1.0 + x / ap3)))) / a);
        if (x <= 1.e-2 * ap1) {
            return {x, x <= kSmallStart * ap1 ? Next::Done : Next::IterateP, 0};
        }
        xn = x;
    }
    double apn = ap1;
    double t = xn / apn;
    double sum = 1.0 + t;
    do {
        apn += 1.0;
        t *= xn / apn;
        sum += t;
    } while (t > 1.e-4);
    t = w - std::log(sum);
    xn = std::exp((xn + t) / a);
    xn *= 1.0 - (a * std::log(xn) - xn - t) / (a - 1.0);
    return {xn, Next::IterateP, 0};
}

// Starting values for a > 1 (eqs. 31 to 35).
Start largeShapeStart(double a, double p, double q)
{
    const double w = std::log(q > 0.5 ? p : q);
    const double t = std::sqrt(-(2.0 * w));
    double s = t - (((kA3 * t + kA2) * t + kA1) * t + kA0) / ((((kB4 * t + kB3) * t + kB2) * t + kB1) * t + 1.0);
    if (q > 0.5) {
        s = -s;
    }
    const double rta = std::sqrt(a);
    const double s2 = s * s;
    double xn = a + s * rta + (s2 - 1.0) / 3.0 + s * (s2 - 7.0) / (36.0 * rta) -
                ((3.0 * s2 + 7.0) * s2 - 16.0) / (810.0 * a) + s * ((9.0 * s2 + 256.0) * s2 - 433.0) / (38880.0 * a * rta);
    xn = std::max(xn, 0.0);
    if (a >= kLargeShape && std::fabs(0.5 + (0.5 - xn / a)) <= kLargeShapeAccuracy) {
        return {xn, Next::Done, 0};
    }
    if (p <= 0.5) {
        return smallQuantileStart(a, w, xn);
    }
    if (xn < 3.0 * a) {
        return {xn, Next::IterateQ, 0};
    }
    const double y = -(w + gamln(a));
    if (y >= constants::published::ln_ten_7 * std::max(2.0, a * (a - 1.0))) {
        return {largeYSeries(a, y, 1.0 - a, std::log(y)), Next::IterateQ, 0};
    }
    const double am1 = a - 1.0;
    xn = y + am1 * std::log(xn) - lnOnePlus(-(am1 / (xn + 1.0)));
    xn = y + am1 * std::log(xn) - lnOnePlus(-(am1 / (xn + 1.0)));
    return {xn, Next::IterateQ, 0};
}

// Schroder's third-order iteration on P (matchP) or on Q (eq. 37).
double schroder(double a, double p, double q, double xn, bool matchP, int& error)
{
    const double e = spmpar(1);
    const double target = matchP ? p : q;
    if (target <= 1.e10 * spmpar(2)) {
        error = -8;
        return xn;
    }
    const double amax = 0.4e-10 / (e * e);
    const double am1 = a - 0.5 - 0.5;
    for (int iteration = 1; iteration <= kIterationLimit; ++iteration) {
        error = -8; // until the iteration succeeds
        if (a > amax && std::fabs(0.5 + (0.5 - xn / a)) <= 2.0 * e) {
            return xn;
        }
        double pn = 0.0;
        double qn = 0.0;
        incompleteGammaRatios(a, xn, pn, qn, GammaAccuracy::Full);
        const double r = gammaKernel(a, xn);
        if (pn == 0.0 || qn == 0.0 || r == 0.0) {
            return xn;
        }
        const double t = matchP ? (pn - p) / r : (q - qn) / r;
        const double w = 0.5 * (am1 - xn);
        const bool thirdOrder = std::fabs(t) <= 0.1 && std::fabs(w * t) <= 0.1;
        const double h = thirdOrder ? t * (1.0 + w * t) : t;
        const double x = xn * (1.0 - h);
        if (!(x > 0.0)) {
            error = -7;
            return x;
        }
        const double d = std::fabs(h);
        const bool converged =
            (thirdOrder && std::fabs(w) >= 1.0 && std::fabs(w) * t * t <= kEps) ||
            (d <= kTolerance && (d <= kEps || std::fabs(target - (matchP ? pn : qn)) <= kTolerance * target));
        xn = x;
        if (converged) {
            error = iteration;
            return x;
        }
    }
    error = -6;
    return xn;
}

} // namespace

double gaminv(double a, double p, double q, int& error)
{
    error = 0;
    if (!(a > 0.0)) {
        error = -2;
        return 0.0;
    }
    if (!(std::fabs(p + q - 1.0) <= spmpar(1))) {
        error = -4;
        return 0.0;
    }
    if (p == 0.0) {
        return 0.0;
    }
    if (q == 0.0) {
        return spmpar(3);
    }
    if (a == 1.0) {
        // The exponential distribution: x = -ln q.
        return q >= 0.9 ? -lnOnePlus(-p) : -std::log(q);
    }
    const Start start = a < 1.0 ? smallShapeStart(a, p, q) : largeShapeStart(a, p, q);
    if (start.next == Next::Fail || start.x == 0.0) {
        error = start.error;
        return start.x;
    }
    if (start.next == Next::Done) {
        // The published routine accepts these starting values as they are
        // (about ten digits); a Schroder pass on the smaller tail brings
        // them to full precision wherever that tail can be iterated on.
        const double refined = schroder(a, p, q, start.x, p <= q, error);
        if (error < 0) {
            error = 0;
            return start.x;
        }
        return refined;
    }
    return schroder(a, p, q, start.x, start.next == Next::IterateP, error);
}

} // namespace qdists
