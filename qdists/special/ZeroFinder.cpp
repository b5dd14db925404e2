#include "qdists/special/ZeroFinder.h"

namespace qdists {

namespace zero_finder_detail {

void keepBestAtB(Bracket& s)
{
    if (!(std::fabs(s.fc) < std::fabs(s.fb))) {
        return;
    }
    if (s.c != s.a) {
        s.d = s.a;
        s.fd = s.fa;
    }
    s.a = s.b;
    s.fa = s.fb;
    s.b = s.c;
    s.fb = s.fc;
    s.c = s.a;
    s.fc = s.fa;
}

double step(const Bracket& s, double mb, double tol)
{
    // After more than three steps that did not halve the bracket, bisect.
    if (s.extrapolations > 3) {
        return mb;
    }
    tol = std::copysign(tol, mb);
    double p = (s.b - s.a) * s.fb;
    double q = 0.0;
    if (s.first) {
        // Secant step.
        q = s.fa - s.fb;
    } else {
        // Inverse quadratic interpolation through a, b and d.
        const double fdb = (s.fd - s.fb) / (s.d - s.b);
        const double fda = (s.fd - s.fa) / (s.d - s.a);
        p *= fda;
        q = fdb * s.fa - fda * s.fb;
    }
    if (p < 0.0) {
        p = -p;
        q = -q;
    }
    if (s.extrapolations == 3) {
        p *= 2.0;
    }
    if (p == 0.0 || p <= q * tol) {
        return tol; // the smallest step allowed
    }
    return p < mb * q ? p / q : mb;
}

} // namespace zero_finder_detail

} // namespace qdists
