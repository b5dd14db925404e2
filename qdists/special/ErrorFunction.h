#pragma once

// The error function and its complement in the forms of ACM TOMS 708
// (ERF and ERFC1), used by the incomplete gamma ratio.
namespace qdists {

// erf(x).
double errorFunction(double x);

// erfc(x), or e^(x^2) erfc(x) when scaled is true.
double errorFunctionComplement(double x, bool scaled);

} // namespace qdists
