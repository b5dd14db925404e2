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

// The digamma function psi(x) for x > 0 (PSI).
double digamma(double x);

} // namespace qdists
