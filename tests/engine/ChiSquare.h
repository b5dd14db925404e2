#pragma once
#include <cmath>
#include <cstddef>
#include <vector>

// Pearson's statistic of observed counts against expected counts.
inline double ChiSquareStatistic(const std::vector<double>& observed, const std::vector<double>& expected)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        const double d = observed[i] - expected[i];
        sum += d * d / expected[i];
    }
    return sum;
}

// Upper critical value at a false-alarm rate of 1e-6 (Wilson-Hilferty), so a
// right sampler at a fixed seed passes with a wide margin and a biased one
// with many draws does not.
inline double ChiSquareCritical(double degreesOfFreedom)
{
    constexpr double z = 4.753424; // standard normal quantile of 1 - 1e-6
    const double k = 2.0 / (9.0 * degreesOfFreedom);
    const double root = 1.0 - k + z * std::sqrt(k);
    return degreesOfFreedom * root * root * root;
}
