#pragma once

#include <array>
#include <cstddef>

namespace qdists {

// c[0] t^(N-1) + c[1] t^(N-2) + ... + c[N-1]: the coefficients are listed
// from the highest power down, as the published tables print them.
template <std::size_t N>
constexpr double horner(const std::array<double, N>& c, double t)
{
    double sum = c[0];
    for (std::size_t i = 1; i < N; ++i) {
        sum = sum * t + c[i];
    }
    return sum;
}

} // namespace qdists
