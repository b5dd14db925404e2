#pragma once

// The accuracy each routine reaches against the mpmath tables, in units of
// DBL_EPSILON (2.2e-16): relative above the floor, absolute below it.
#include "tests/special/ReferenceData.h"

namespace special_test {

constexpr Tolerance kCumnorTolerance{6.0, 1.0e-300};
// Quantiles near 0 (P near 1/2) are held to an absolute error.
constexpr Tolerance kDinvnrTolerance{4.0, 0.25};

// The gamma ratios lose relative precision in the far tails, where they are
// e^(-y) with y in the hundreds; the quantile for tiny shapes a is x ~ P^(1/a)
// and so inherits 1/a times the relative error of P.
constexpr double kFarTail = 1.0e-20;
// Temme's expansion is weakest at its lower shape limit a = 20 with |1 - x/a|
// near 0.4 (about 1.2e-13 there).
constexpr Tolerance kCumgamTolerance{800.0, 0.0};
constexpr Tolerance kCumgamFarTailTolerance{2000.0, 0.0};
constexpr Tolerance kGaminvTolerance{200.0, 0.0};
constexpr Tolerance kGaminvFarTailTolerance{1000.0, 0.0};
constexpr Tolerance kCumbetTolerance{300.0, 0.0};
constexpr Tolerance kCumbetFarTailTolerance{500.0, 0.0};
// The beta quantile is a search to a relative tolerance of 1e-8
// (4.5e7 epsilons), absolute 1e-50 for quantiles below about 1e-42.
constexpr double kBetaSearchFloor = 1.0e-42;
constexpr Tolerance kCdfbetTolerance{1.0e-8 / DBL_EPSILON, kBetaSearchFloor};
// Logarithms near 0 (ln B(1, 1), psi at its root) are held absolutely.
constexpr Tolerance kLogBetaTolerance{16.0, 1.0};
constexpr Tolerance kDigammaTolerance{16.0, 1.0};
constexpr Tolerance kGamlnTolerance{4.0, 1.0};
constexpr Tolerance kExpMinusOneTolerance{2.0, 0.0};
// The seven-term Lanczos form is good to about 2e-10 relative.
constexpr Tolerance kLanczosTolerance{1.0e6, 0.0};

} // namespace special_test
