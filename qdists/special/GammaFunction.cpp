#include "qdists/special/SpecialFunctions.h"

#include <array>
#include <cmath>

namespace qdists {

namespace {

// Lanczos' approximation with gamma = 5 and seven terms, in the rational
// form Gamma(x) = Q(x) / (x (x + 1) ... (x + 6)) (x + 5.5)^(x + 0.5) e^-(x + 5.5),
// relative error about 2e-10 for x > 0.
constexpr std::array<double, 7> kLanczosNumerator = {75122.633153,  80916.6278952, 36308.2951477, 8687.24529705,
                                                     1168.92649479, 83.8676043424, 2.50662827511};
constexpr double kLanczosShift = 5.5;

} // namespace

double GammaFunction(double x)
{
    double numerator = 0.0;
    for (std::size_t i = kLanczosNumerator.size(); i-- > 0;) {
        numerator = numerator * x + kLanczosNumerator[i];
    }
    double denominator = 1.0;
    for (std::size_t i = 0; i < kLanczosNumerator.size(); ++i) {
        denominator *= x + static_cast<double>(i);
    }
    // The power is taken in two halves so that it stays finite wherever
    // Gamma(x) is (up to about 171), not only up to about 141.
    const double shifted = x + kLanczosShift;
    const double halfPower = std::pow(shifted, 0.5 * (x + 0.5));
    return numerator / denominator * halfPower * (halfPower * std::exp(-shifted));
}

} // namespace qdists
