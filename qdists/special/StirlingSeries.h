#pragma once
#include <array>
#include <cstddef>

namespace qdists {

// TOMS 708's coefficients c0..c5 of Stirling's remainder for ln Gamma,
// sum c_k / a^(2k+1): one table for GAMLN, ALGDIV and BCORR.
constexpr std::array<double, 6> kStirlingRemainder = {.833333333333333e-01,  -.277777777760991e-02,
                                                      .793650666825390e-03,  -.595202931351870e-03,
                                                      .837308034031215e-03,  -.165322962780713e-02};

// sum c_k t^k for t = 1/a^2, by Horner's rule from the highest power.
inline double stirlingRemainderSum(double t)
{
    double sum = 0.0;
    for (std::size_t i = kStirlingRemainder.size(); i-- > 0;) {
        sum = sum * t + kStirlingRemainder[i];
    }
    return sum;
}

} // namespace qdists
