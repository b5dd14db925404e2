#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace qdists {

// Truncation toward zero into a 32-bit integer. Values beyond the range
// saturate and NaN becomes 0: a plain cast would be undefined behaviour,
// and both results still fail the bounds check where it matters.
inline std::int32_t TruncateToInt32(double value)
{
    constexpr double kLimit = 2147483648.0; // 2^31
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= kLimit) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value <= -kLimit) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

} // namespace qdists
