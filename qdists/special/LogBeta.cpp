#include "qdists/special/LogBeta.h"

#include "qdists/special/Constants.h"
#include "qdists/special/ElementaryFunctions.h"
#include "qdists/special/LogGamma.h"
#include "qdists/special/SpecialFunctions.h"
#include "qdists/special/StirlingSeries.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qdists {

namespace {


// TOMS 708 PSI: rational approximations for 0.5 <= x <= 3 (about the root
// x0 of psi) and asymptotic correction for x > 3.
constexpr double kPsiRoot = 1.461632144968362341262659542325721325e0;
constexpr std::array<double, 7> kPsiNum = {.895385022981970e-02, .477762828042627e+01, .142441585084029e+03,
                                           .118645200713425e+04, .363351846806499e+04, .413810161269013e+04,
                                           .130560269827897e+04};
constexpr std::array<double, 6> kPsiDen = {.448452573429826e+02, .520752771467162e+03, .221000799247830e+04,
                                           .364127349079381e+04, .190831076596300e+04, .691091682714533e-05};
constexpr std::array<double, 4> kPsiTailNum = {-.212940445131011e+01, -.701677227766759e+01,
                                               -.448616543918019e+01, -.648157123766197e+00};
constexpr std::array<double, 4> kPsiTailDen = {.322703493791143e+02, .892920700481861e+02, .546117738103215e+02,
                                               .777788548522962e+01};

// The series sum c_k s_(2k+1) / b^(2k), s_n = (1 - x^n)/(1 - x), times c/b:
// Stirling's remainder difference for del(b) - del(a + b) (TOMS 708 eq. in ALGDIV).
double remainderDifference(double x, double c, double b)
{
    const double x2 = x * x;
    const double s3 = 1.0 + (x + x2);
    const double s5 = 1.0 + (x + x2 * s3);
    const double s7 = 1.0 + (x + x2 * s5);
    const double s9 = 1.0 + (x + x2 * s7);
    const double s11 = 1.0 + (x + x2 * s9);
    const double t = (1.0 / b) * (1.0 / b);
    const auto& k = kStirlingRemainder;
    const double w = ((((k[5] * s11 * t + k[4] * s9) * t + k[3] * s7) * t + k[2] * s5) * t + k[1] * s3) * t + k[0];
    return w * (c / b);
}

// ln(prod of the reduced factors) + ln B after reducing b below 8 (BETALN).
double reduceB(double a, double b, double w)
{
    const int n = static_cast<int>(b - 1.0);
    double z = 1.0;
    for (int i = 0; i < n; ++i) {
        b -= 1.0;
        z *= b / (a + b);
    }
    return w + std::log(z) + (gamln(a) + (gamln(b) - lnGammaSum(a, b)));
}

} // namespace

double lnGammaRatio(double a, double b)
{
    const bool aLarger = a > b;
    const double h = aLarger ? b / a : a / b;
    const double c = aLarger ? 1.0 / (1.0 + h) : h / (1.0 + h);
    const double x = aLarger ? h / (1.0 + h) : 1.0 / (1.0 + h);
    const double d = aLarger ? a + (b - 0.5) : b + (a - 0.5);
    const double w = remainderDifference(x, c, b);
    const double u = d * lnOnePlus(a / b);
    const double v = a * (std::log(b) - 1.0);
    return u > v ? (w - v) - u : (w - u) - v;
}

double lnGammaSum(double a, double b)
{
    const double x = a + b - 2.0;
    if (x <= 0.25) {
        return lnGammaOnePlus(1.0 + x);
    }
    if (x <= 1.25) {
        return lnGammaOnePlus(x) + lnOnePlus(x);
    }
    return lnGammaOnePlus(x - 1.0) + std::log(x * (1.0 + x));
}

double stirlingBetaCorrection(double a0, double b0)
{
    const double a = std::min(a0, b0);
    const double b = std::max(a0, b0);
    const double h = a / b;
    const double w = remainderDifference(1.0 / (1.0 + h), h / (1.0 + h), b);
    const double t = (1.0 / a) * (1.0 / a);
    return stirlingRemainderSum(t) / a + w;
}

double lnBeta(double a0, double b0)
{
    double a = std::min(a0, b0);
    double b = std::max(a0, b0);
    if (a >= 8.0) {
        // Both large: Stirling's formula with the remainder correction.
        const double w = stirlingBetaCorrection(a, b);
        const double h = a / b;
        const double c = h / (1.0 + h);
        const double u = -((a - 0.5) * std::log(c));
        const double v = b * lnOnePlus(h);
        const double base = -(0.5 * std::log(b)) + constants::published::half_ln_two_pi + w;
        return u > v ? (base - v) - u : (base - u) - v;
    }
    if (a < 1.0) {
        return b >= 8.0 ? gamln(a) + lnGammaRatio(a, b) : gamln(a) + (gamln(b) - gamln(a + b));
    }
    if (a <= 2.0) {
        if (b <= 2.0) {
            return gamln(a) + gamln(b) - lnGammaSum(a, b);
        }
        return b < 8.0 ? reduceB(a, b, 0.0) : gamln(a) + lnGammaRatio(a, b);
    }
    // 2 < a < 8: reduce a by the recurrence B(a, b) = (a-1)/(a+b-1) B(a-1, b).
    const int n = static_cast<int>(a - 1.0);
    double w = 1.0;
    if (b > 1000.0) {
        for (int i = 0; i < n; ++i) {
            a -= 1.0;
            w *= a / (1.0 + a / b);
        }
        return std::log(w) - n * std::log(b) + (gamln(a) + lnGammaRatio(a, b));
    }
    for (int i = 0; i < n; ++i) {
        a -= 1.0;
        const double h = a / b;
        w *= h / (1.0 + h);
    }
    w = std::log(w);
    return b < 8.0 ? reduceB(a, b, w) : w + gamln(a) + lnGammaRatio(a, b);
}

double lnLowerShape(double a, double& b)
{
    const int n = static_cast<int>(b - 1.0);
    if (n < 1) {
        return 0.0;
    }
    double c = 1.0;
    for (int i = 0; i < n; ++i) {
        b -= 1.0;
        c *= b / (a + b);
    }
    return std::log(c);
}

double reciprocalGammaOnePlus(double t)
{
    if (t > 1.0) {
        return (1.0 + reciprocalGammaOnePlusMinusOne(t - 1.0)) / t;
    }
    return 1.0 + reciprocalGammaOnePlusMinusOne(t);
}

double digamma(double x)
{
    // psi(x) = psi(x + 1) - 1/x moves small arguments to [0.5, 3].
    double shift = 0.0;
    while (x < 0.5) {
        shift -= 1.0 / x;
        x += 1.0;
    }
    if (x <= 3.0) {
        double num = kPsiNum[0] * x;
        double den = x;
        for (std::size_t i = 1; i < 6; ++i) {
            num = (num + kPsiNum[i]) * x;
            den = (den + kPsiDen[i - 1]) * x;
        }
        const double ratio = (num + kPsiNum[6]) / (den + kPsiDen[5]);
        return shift + ratio * (x - kPsiRoot);
    }
    // x > 3: psi(x) = ln x - 1/(2x) + P(1/x^2)/Q(1/x^2).
    const double w = 1.0 / (x * x);
    double num = kPsiTailNum[0] * w;
    double den = w;
    for (std::size_t i = 1; i < 4; ++i) {
        den = (den + kPsiTailDen[i - 1]) * w;
        num = (num + kPsiTailNum[i]) * w;
    }
    return shift + (num / (den + kPsiTailDen[3]) - 0.5 / x) + std::log(x);
}

} // namespace qdists
