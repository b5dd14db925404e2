#pragma once
#include <cmath>
#include <limits>

// Where the closed forms of the continuous distributions are evaluated as
// written, and where a safer form takes over. The safer forms (log1p,
// expm1, factors taken apart) serve only where a written one overflows,
// underflows to a wrong answer or loses its result to cancellation.
// Seeded draws are stricter still: they keep the written form wherever it
// gives a usable number at all, so that their bits never change.
namespace qdists {

// 1 - t for a t just below 1 that carries a rounding error of its own:
// below this gap the subtraction magnifies that error more than 256-fold,
// and the result would keep fewer than 45 good bits.
constexpr double kCancellationGap = 0x1p-8;

inline bool KeepsPrecision(double gap)
{
    return gap >= kCancellationGap;
}

// A written value a seeded draw keeps (a quantile, or a product under its
// square root): finite and positive. It may have lost bits (a cancelling
// difference keeps some 20 even at the stream's smallest uniform, a
// subnormal product what bits it has), but only infinity, NaN, a zero or a
// -0 has lost the result: the true value is positive for every uniform
// above 0, and +0 at 0.
inline bool IsUsableDraw(double written)
{
    return std::isfinite(written) && written > 0.0;
}

// Finite and not subnormal: a product or power that came through without
// overflowing or losing bits to underflow.
inline bool IsFullPrecision(double value)
{
    return std::isfinite(value) && std::fabs(value) >= std::numeric_limits<double>::min();
}

// 1 - p is computed exactly (always so for the stream's uniforms, which are
// multiples of 2^-32), so ln(1 - p) is as accurate as ln itself.
inline bool ComplementIsExact(double p)
{
    return 1.0 - (1.0 - p) == p;
}

// (1 - p)^(1/alpha) subtracted from 1, as the Pareto and Burr quantiles
// write it: the written form keeps its result where 1 - p is exact and the
// difference stays above the cancellation gap.
inline bool RootOfComplementKeepsPrecision(double p, double alpha)
{
    return ComplementIsExact(p) && KeepsPrecision(1.0 - std::pow(1.0 - p, 1.0 / alpha));
}

} // namespace qdists
