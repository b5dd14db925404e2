#pragma once

// The regularised incomplete gamma ratios P(a, x) and Q(a, x) = 1 - P(a, x)
// of DiDonato and Morris, ACM TOMS 654 (1986), and their inverse.
namespace qdists {

// The accuracy asked of incompleteGammaRatios: full (about 14 digits),
// 6 digits or 3 digits.
enum class GammaAccuracy { Full = 0, SixDigits = 1, ThreeDigits = 2 };

struct GammaRatios {
    double p;
    double q;
};

// The pieces of the ratio that the incomplete beta expansions share, each
// run to the tolerance given: the Taylor series of P(a, x)/x^a for a < 1,
// x < 1.1 (TOMS 654 eq. 15), and Legendre's continued fraction for Q given
// r = x^a e^-x / Gamma(a) (eq. 17).
GammaRatios gammaSmallXSeries(double a, double x, double tolerance);
GammaRatios gammaContinuedFraction(double a, double x, double r, double tolerance);

// P(a, x) and Q(a, x) for a <= 1 given r = x^a e^-x / Gamma(a), to the
// tolerance eps (TOMS 708 GRAT1).
GammaRatios gammaRatiosSmallShape(double a, double x, double r, double eps);

// P(a, x) and Q(a, x) for a, x >= 0, not both 0 (GRATIO). On bad input, or
// where the asymptotic forms cannot reach the accuracy, p is set to 2.
void incompleteGammaRatios(double a, double x, double& p, double& q, GammaAccuracy accuracy);

// x^a e^(-x) / Gamma(a) for a, x > 0 (TOMS 654 RCOMP).
double gammaKernel(double a, double x);

// P(a, x) and Q(a, x) with P = 0, Q = 1 for x <= 0.
void cumgam(double x, double a, double& p, double& q);

// The x >= 0 with P(a, x) = p and Q(a, x) = q (GAMINV, started without a
// guess). error is set to 0 or a positive count of iterations on success
// and to a negative code on failure: -2 a <= 0, -3 no solution (the
// ratio q/a is too large), -4 p + q differs from 1, -6 twenty iterations
// did not converge, -7 an iterate left the positive axis, -8 the
// accuracy could not be reached (the iterate is returned).
double gaminv(double a, double p, double q, int& error);

} // namespace qdists
