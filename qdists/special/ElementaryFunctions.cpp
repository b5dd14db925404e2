#include "qdists/special/ElementaryFunctions.h"

#include <cmath>

namespace qdists {

namespace {

// ALNREL: ln(1 + a) = 2t P(t^2)/Q(t^2) with t = a/(a + 2) for |a| <= 0.375.
constexpr double kLnP1 = -.129418923021993e+01;
constexpr double kLnP2 = .405303492862024e+00;
constexpr double kLnP3 = -.178874546012214e-01;
constexpr double kLnQ1 = -.162752256355323e+01;
constexpr double kLnQ2 = .747811014037616e+00;
constexpr double kLnQ3 = -.845104217945565e-01;

// RLOG and RLOG1: shared rational form in r = u/(u + 2) and the two
// constants that shift the intervals [0.61, 0.82] and [1.18, 1.57].
constexpr double kRlogA = .566749439387324e-01;
constexpr double kRlogB = .456512608815524e-01;
constexpr double kRlogP0 = .333333333333333e+00;
constexpr double kRlogP1 = -.224696413112536e+00;
constexpr double kRlogP2 = .620886815375787e-02;
constexpr double kRlogQ1 = -.127408923933623e+01;
constexpr double kRlogQ2 = .354508718369557e+00;

// REXP: e^x - 1 = x P(x)/Q(x) for |x| <= 0.15.
constexpr double kRexpP1 = .914041914819518e-09;
constexpr double kRexpP2 = .238082361044469e-01;
constexpr double kRexpQ1 = -.499999999085958e+00;
constexpr double kRexpQ2 = .107141568980644e+00;
constexpr double kRexpQ3 = -.119041179760821e-01;
constexpr double kRexpQ4 = .595130811860248e-03;

// u - ln(1 + u) + shift, from the series in r = u/(u + 2).
double rlogKernel(double u, double shift)
{
    const double r = u / (u + 2.0);
    const double t = r * r;
    const double w = ((kRlogP2 * t + kRlogP1) * t + kRlogP0) / ((kRlogQ2 * t + kRlogQ1) * t + 1.0);
    return 2.0 * t * (1.0 / (1.0 - r) - r * w) + shift;
}

} // namespace

double lnOnePlus(double a)
{
    if (std::fabs(a) > 0.375) {
        return std::log(1.0 + a);
    }
    const double t = a / (a + 2.0);
    const double t2 = t * t;
    const double w = (((kLnP3 * t2 + kLnP2) * t2 + kLnP1) * t2 + 1.0) / (((kLnQ3 * t2 + kLnQ2) * t2 + kLnQ1) * t2 + 1.0);
    return 2.0 * t * w;
}

double xMinusOneMinusLn(double x)
{
    if (x < 0.61 || x > 1.57) {
        return (x - 0.5 - 0.5) - std::log(x);
    }
    if (x < 0.82) {
        const double u = (x - 0.7) / 0.7;
        return rlogKernel(u, kRlogA - u * 0.3);
    }
    if (x > 1.18) {
        const double u = 0.75 * x - 1.0;
        return rlogKernel(u, kRlogB + u / 3.0);
    }
    return rlogKernel(x - 0.5 - 0.5, 0.0);
}

double xMinusLnOnePlus(double x)
{
    if (x < -0.39 || x > 0.57) {
        return x - std::log(x + 0.5 + 0.5);
    }
    if (x < -0.18) {
        const double h = (x + 0.3) / 0.7;
        return rlogKernel(h, kRlogA - h * 0.3);
    }
    if (x > 0.18) {
        const double h = 0.75 * x - 0.25;
        return rlogKernel(h, kRlogB + h / 3.0);
    }
    return rlogKernel(x, 0.0);
}

double expMinusOne(double x)
{
    if (std::fabs(x) <= 0.15) {
        return x * (((kRexpP2 * x + kRexpP1) * x + 1.0) /
                    ((((kRexpQ4 * x + kRexpQ3) * x + kRexpQ2) * x + kRexpQ1) * x + 1.0));
    }
    const double w = std::exp(x);
    if (x <= 0.0) {
        return w - 0.5 - 0.5;
    }
    return w * (0.5 + (0.5 - 1.0 / w));
}

double expOfSum(int mu, double x)
{
    // mu and x are added first only when they have opposite signs and the
    // sum has the sign of x (TOMS 708 ESUM); otherwise the two factors are
    // formed apart.
    const double w = mu + x;
    if ((x > 0.0 && mu <= 0 && w >= 0.0) || (x <= 0.0 && mu >= 0 && w <= 0.0)) {
        return std::exp(w);
    }
    return std::exp(static_cast<double>(mu)) * std::exp(x);
}

} // namespace qdists
