#include "qdists/special/ErrorFunction.h"

#include "qdists/special/Constants.h"
#include "qdists/special/MachineConstants.h"
#include "qdists/special/Polynomial.h"

#include <array>
#include <cmath>

namespace qdists {

namespace {

// DiDonato and Morris, ACM TOMS 708 (1992), functions ERF and ERFC1, after
// Cody's rational Chebyshev approximations.
// |x| <= 0.5: erf(x) = x (1 + A(x^2))/B(x^2).
constexpr std::array<double, 5> kSmallNum = {.771058495001320e-04, -.133733772997339e-02, .323076579225834e-01,
                                             .479137145607681e-01, .128379167095513e+00};
constexpr std::array<double, 3> kSmallDen = {.301048631703895e-02, .538971687740286e-01, .375795757275549e+00};
// 0.5 < |x| <= 4: erfc(|x|) = e^(-x^2) P(|x|)/Q(|x|).
constexpr std::array<double, 8> kMiddleNum = {-1.36864857382717e-07, 5.64195517478974e-01, 7.21175825088309e+00,
                                              4.31622272220567e+01,  1.52989285046940e+02, 3.39320816734344e+02,
                                              4.51918953711873e+02,  3.00459261020162e+02};
constexpr std::array<double, 8> kMiddleDen = {1.00000000000000e+00, 1.27827273196294e+01, 7.70001529352295e+01,
                                              2.77585444743988e+02, 6.38980264465631e+02, 9.31354094850610e+02,
                                              7.90950925327898e+02, 3.00459260956983e+02};
// |x| > 4: erfc(|x|) = e^(-x^2)/|x| (1/sqrt(pi) - R(1/x^2)/(x^2 S(1/x^2))).
constexpr std::array<double, 5> kTailNum = {2.10144126479064e+00, 2.62370141675169e+01, 2.13688200555087e+01,
                                            4.65807828718470e+00, 2.82094791773523e-01};
constexpr std::array<double, 4> kTailDen = {9.41537750555460e+01, 1.87114811799590e+02, 9.90191814623914e+01,
                                            1.80124575948747e+01};

// x (1 + A(x^2))/B(x^2): erf(x) for |x| <= 0.5.
double smallErf(double x)
{
    const double t = x * x;
    return x * ((horner(kSmallNum, t) + 1.0) / (horner(kSmallDen, t) * t + 1.0));
}

// P(y)/Q(y) = e^(y^2) erfc(y) for 0.5 < y <= 4.
double middleScaledErfc(double y)
{
    return horner(kMiddleNum, y) / horner(kMiddleDen, y);
}

// e^(y^2) erfc(y) for y > 4.
double tailScaledErfc(double y)
{
    const double t = 1.0 / (y * y);
    return (constants::published::one_div_root_pi - t * horner(kTailNum, t) / (horner(kTailDen, t) * t + 1.0)) / y;
}

} // namespace

double errorFunction(double x)
{
    const double ax = std::fabs(x);
    if (ax <= 0.5) {
        return smallErf(x);
    }
    if (ax >= 5.8) {
        return std::copysign(1.0, x);
    }
    const double scaled = ax <= 4.0 ? middleScaledErfc(ax) : tailScaledErfc(ax);
    const double value = 0.5 + (0.5 - std::exp(-x * x) * scaled);
    return x < 0.0 ? -value : value;
}

double errorFunctionComplement(double x, bool scaled)
{
    const double ax = std::fabs(x);
    if (ax <= 0.5) {
        const double value = 0.5 + (0.5 - smallErf(x));
        return scaled ? std::exp(x * x) * value : value;
    }
    if (x <= -5.6) {
        // erfc(x) = 2 to working precision.
        return scaled ? 2.0 * std::exp(x * x) : 2.0;
    }
    if (!scaled && ax > 4.0 && (x > 100.0 || x * x > -exparg(1))) {
        return 0.0; // e^(-x^2) underflows
    }
    const double kernel = ax <= 4.0 ? middleScaledErfc(ax) : tailScaledErfc(ax);
    if (scaled) {
        return x < 0.0 ? 2.0 * std::exp(x * x) - kernel : kernel;
    }
    const double value = std::exp(-x * x) * kernel;
    return x < 0.0 ? 2.0 - value : value;
}

} // namespace qdists
