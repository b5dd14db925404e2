#pragma once

// Logarithms of the beta function and the corrections of Stirling's series
// that the incomplete beta ratio needs (DiDonato and Morris, ACM TOMS 708).
namespace qdists {

// ln B(a, b) for a, b > 0 (BETALN).
double lnBeta(double a, double b);

// ln(Gamma(b) / Gamma(a + b)) for b >= 8 (ALGDIV).
double lnGammaRatio(double a, double b);

// ln Gamma(a + b) for 1 <= a, b <= 2 (GSUMLN).
double lnGammaSum(double a, double b);

// del(a) + del(b) - del(a + b), del the Stirling remainder of ln Gamma,
// for a, b >= 8 (BCORR).
double stirlingBetaCorrection(double a, double b);

// Lowers b by the integer part of b - 1 (to (1, 2]) and returns
// ln prod b_i / (a + b_i) over the values b_i it passed, the factor by
// which B(a, b) shrinks with it (TOMS 708 BPSER and BRCMP1).
double lnLowerShape(double a, double& b);

// 1/Gamma(1 + t) for -0.5 <= t <= 2.5, from GAM1 (TOMS 708).
double reciprocalGammaOnePlus(double t);

// The digamma function psi(x) for x > 0 (PSI).
double digamma(double x);

} // namespace qdists
