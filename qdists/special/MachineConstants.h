#pragma once

// Machine parameters of IEEE double arithmetic, in the form the DCDFLIB
// routines ask for them.
namespace qdists {

// spmpar(1): relative precision b^(1-m); spmpar(2): smallest normalised
// double; spmpar(3): largest double. Any other index gives NaN.
double spmpar(int i);

// Integer machine parameters, index 1 to 10: integer base, integer digits,
// largest integer, floating base, single mantissa digits, single exponent
// range (min, max), double mantissa digits, double exponent range (min,
// max). Any other index gives 0.
int ipmpar(int i);

// The largest w with exp(w) finite (l == 0) or the most negative w with
// exp(w) a normalised double (l != 0), each shrunk by a factor 0.99999.
double exparg(int l);

} // namespace qdists
