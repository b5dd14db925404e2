#pragma once

// Elementary functions to full relative precision near their zeros, as the
// incomplete gamma and beta ratios need them (DiDonato and Morris, ACM TOMS
// 654 and 708).
namespace qdists {

// ln(1 + a) (TOMS 708 ALNREL).
double lnOnePlus(double a);

// x - 1 - ln x for x > 0 (TOMS 708 RLOG).
double xMinusOneMinusLn(double x);

// x - ln(1 + x) for x > -1 (TOMS 708 RLOG1).
double xMinusLnOnePlus(double x);

// e^x - 1 (TOMS 708 REXP).
double expMinusOne(double x);

// e^(mu + x), formed so that it does not overflow needlessly (TOMS 708 ESUM).
double expOfSum(int mu, double x);

} // namespace qdists
