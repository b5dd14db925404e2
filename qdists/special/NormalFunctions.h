#pragma once

// The standard normal distribution function, its inverse and the starting
// value of that inverse.
namespace qdists {

// P = Phi(x) and Q = 1 - Phi(x), each to full relative precision where it
// is small; values below the smallest normalised double are returned as 0.
void cumnor(double x, double& p, double& q);

// Odeh and Evans' rational starting value for the x with Phi(x) = p.
double stvaln(double p);

// The x with Phi(x) = p and 1 - Phi(x) = q, by Newton steps from stvaln.
double dinvnr(double p, double q);

} // namespace qdists
