#pragma once

// The numerical solvers beneath the normal, lognormal, gamma and beta
// distributions. Each solver is asked for P and Q given X (which = 1) or for
// X given P and Q (which = 2); modes 3 and 4 (solving for a parameter) are
// not provided and give status -1 with bound 2. Results through status and bound:
//   0 success; -k argument k out of range; 1 answer below the search range;
//   2 answer above it; 3 P + Q differs from 1; 4 X + Y differs from 1 (beta);
//   10 the gamma inverse failed. bound is the violated end or search limit.
// Every working value is local to a call, so the routines are reentrant.
namespace qdists {

void cdfnor(int which, double& p, double& q, double& x, double& mean, double& sd, int& status, double& bound);
void cdfgam(int which, double& p, double& q, double& x, double& shape, double& scale, int& status, double& bound);
void cdfbet(int which, double& p, double& q, double& x, double& y, double& a, double& b, int& status,
            double& bound);

// ln Gamma(a) for a > 0.
double gamln(double a);

// Gamma(x) by the Lanczos rational form; overflows above about 171.
double GammaFunction(double x);

} // namespace qdists
