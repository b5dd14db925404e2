#include "qdists/PoissonSampler.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "qdists/DistExponential.h"
#include "qdists/DistNormal.h"
#include "qdists/special/Constants.h"

// Ahrens, J.H. and Dieter, U. (1982), "Computer generation of Poisson
// deviates from modified normal distributions", ACM TOMS 8, 163-179:
// procedure PD. Step names follow the paper.
namespace qdists {

namespace {

constexpr double kTableCaseLimit = 10.0;

// Case lambda < 10: inversion with a cumulative table built as far as needed.
constexpr int kTableSize = 35;
constexpr double kTableStartThreshold = 0.458; // P(X < mode) never exceeds it

double SampleByTable(double lambda, CUnitStream& stream)
{
    const int m = std::max(1, static_cast<int>(lambda));
    const double p0 = std::exp(-lambda);
    double p = p0;
    double q = p0;
    std::array<double, kTableSize + 1> pp{};
    int l = 0;
    for (;;) {
        const double u = stream.NextUnit();
        if (u <= p0) {
            return 0.0;
        }
        if (l > 0) {
            const int j = u > kTableStartThreshold ? std::min(l, m) : 1;
            for (int k = j; k <= l; ++k) {
                if (u <= pp[k]) {
                    return k;
                }
            }
            if (l == kTableSize) {
                continue;
            }
        }
        for (int k = l + 1; k <= kTableSize; ++k) {
            p = p * lambda / k;
            q += p;
            pp[k] = q;
            if (u <= q) {
                return k;
            }
        }
        l = kTableSize;
    }
}

// Case lambda >= 10.
constexpr double kStepEThreshold = -0.6744;
constexpr double kStepEShift = 1.8;
constexpr double kSmallKFactorials[] = {1.0, 1.0, 2.0, 6.0, 24.0, 120.0, 720.0, 5040.0, 40320.0, 362880.0};
// Coefficients of the series for ln(1 + v) - v + v^2/2 ... used in step F.
constexpr double kA[] = {-0.5,         0.3333333343,  -0.2499998565, 0.1999997049, -0.1666848753,
                         0.1428833286, -0.1241963125, 0.1101687109,  -0.1142650302};

struct Corrections {
    double omega, c3, c2, c1, c0, c;
};

// Step P.
Corrections CorrectionTerms(double lambda, double s)
{
    Corrections t{};
    t.omega = constants::published::one_div_root_two_pi / s;
    const double b1 = 0.0416666666666667 / lambda;
    const double b2 = 0.3 * b1 * b1;
    t.c3 = 0.142857142857143 * b1 * b2;
    t.c2 = b2 - 15.0 * t.c3;
    t.c1 = b1 - 6.0 * b2 + 45.0 * t.c3;
    t.c0 = 1.0 - b1 + 3.0 * b2 - 15.0 * t.c3;
    t.c = 0.1069 / lambda;
    return t;
}

struct StepF {
    double px, py, fx, fy;
};

// Step F: px, py, the logarithm and the factor of the Poisson probability
// at K; fx, fy, those of the discrete normal approximation.
StepF EvaluateStepF(double lambda, double s, int k, double difmuk, const Corrections& t)
{
    StepF f{};
    const double fk = k;
    if (k < 10) {
        f.px = -lambda;
        f.py = std::pow(lambda, k) / kSmallKFactorials[k];
    } else {
        double del = 0.0833333333 / fk;
        del -= 4.8 * del * del * del;
        const double v = difmuk / fk;
        if (std::fabs(v) <= 0.25) {
            double series = kA[8];
            for (int i = 7; i >= 0; --i) {
                series = series * v + kA[i];
            }
            f.px = fk * v * v * series - del;
        } else {
            f.px = fk * std::log(1.0 + v) - difmuk - del;
        }
        f.py = constants::published::one_div_root_two_pi / std::sqrt(fk);
    }
    const double x = (0.5 - difmuk) / s;
    const double xx = x * x;
    f.fx = -0.5 * xx;
    f.fy = t.omega * (((t.c3 * xx + t.c2) * xx + t.c1) * xx + t.c0);
    return f;
}

double SampleByNormal(double lambda, CUnitStream& stream)
{
    const CDistNormal normal(0.0, 1.0);
    const CDistExponential exponential(1.0);
    const double s = std::sqrt(lambda);
    const double d = 6.0 * lambda * lambda;
    const int bigL = static_cast<int>(lambda - 1.1484);

    // Step N: a normal deviate, accepted at once when it is large enough.
    const double g = lambda + s * normal.Sample(stream);
    int k = 0;
    double difmuk = 0.0;
    double u = 0.0;
    if (g >= 0.0) {
        k = static_cast<int>(g);
        if (k >= bigL) {
            return k;
        }
        difmuk = lambda - k;
        u = stream.NextUnit();
        if (d * u >= difmuk * difmuk * difmuk) {
            return k;
        }
    }
    const Corrections t = CorrectionTerms(lambda, s);
    if (g >= 0.0) {
        // Step Q: squeeze the normal deviate against the Poisson probability.
        const StepF f = EvaluateStepF(lambda, s, k, difmuk, t);
        if (f.fy - u * f.fy <= f.py * std::exp(f.px - f.fx)) {
            return k;
        }
    }
    for (;;) {
        // Step E: a double exponential deviate, beyond -0.6744.
        double e = 0.0;
        double tee = 0.0;
        do {
            e = exponential.Sample(stream);
            u = 2.0 * stream.NextUnit() - 1.0;
            tee = kStepEShift + (u < 0.0 ? -e : e);
        } while (tee <= kStepEThreshold);
        k = static_cast<int>(lambda + s * tee);
        difmuk = lambda - k;
        // Step H: accept against the hat.
        const StepF f = EvaluateStepF(lambda, s, k, difmuk, t);
        if (t.c * std::fabs(u) <= f.py * std::exp(f.px + e) - f.fy * std::exp(f.fx + e)) {
            return k;
        }
    }
}

} // namespace

double SamplePoisson(double lambda, CUnitStream& stream)
{
    return lambda < kTableCaseLimit ? SampleByTable(lambda, stream) : SampleByNormal(lambda, stream);
}

} // namespace qdists
