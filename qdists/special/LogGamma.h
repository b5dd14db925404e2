#pragma once

// The gamma function and its logarithm in the rational forms of ACM TOMS 708
// (GAMLN, GAMLN1, GAM1, GAMMA), on which the incomplete gamma and beta
// ratios are built. gamln itself is declared in SpecialFunctions.h.
namespace qdists {

// ln Gamma(1 + a) for -0.2 <= a <= 1.25 (GAMLN1).
double lnGammaOnePlus(double a);

// 1/Gamma(a + 1) - 1 for -0.5 <= a <= 1.5 (GAM1).
double reciprocalGammaOnePlusMinusOne(double a);

// Gamma(a) for 0 < a < 1000 to full precision (GAMMA, positive arguments
// only); 0 when it cannot be computed.
double gammaPositive(double a);

} // namespace qdists
