#pragma once

// The expansions of the incomplete beta ratio I_x(a, b) of DiDonato and
// Morris, ACM TOMS 708 (1992), each for the region the ratio's selection
// sends it. y = 1 - x throughout.
namespace qdists {

// e^mu x^a y^b / B(a, b) (BRCMP1; mu = 0 gives BRCOMP).
double betaKernel(int mu, double a, double b, double x, double y);

// I_x(a, b) by its power series, for b <= 1 or b x <= 0.7 (BPSER).
double betaPowerSeries(double a, double b, double x, double eps);

// I_x(a, b) - I_x(a + n, b) for a positive integer n (BUP).
double betaUpwardDifference(double a, double b, double x, double y, int n, double eps);

// I_x(a, b) by its continued fraction, for a, b > 1; lambda = (a + b) y - b
// (BFRAC).
double betaContinuedFraction(double a, double b, double x, double y, double lambda, double eps);

// Adds to w the asymptotic expansion of I_x(a, b) for large a and b <= 1
// (BGRAT); returns false when the expansion cannot be formed.
bool addBetaAsymptotic(double a, double b, double x, double y, double& w, double eps);

// I_x(a, b) for b < eps min(1, a) and x <= 1/2 (FPSER).
double betaSmallB(double a, double b, double x, double eps);

// 1 - I_x(a, b) for a <= eps min(1, b), b x <= 1 and x <= 1/2 (APSER).
double betaSmallA(double a, double b, double x, double eps);

} // namespace qdists
