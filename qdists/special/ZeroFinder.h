#pragma once

// A bracketing zero finder after Bus and Dekker, "Two efficient algorithms
// with guaranteed convergence for finding a zero of a function", ACM TOMS 1
// (1975) 330-345 (Algorithm R), in the arrangement of DCDFLIB's DZROR. The
// function is called directly and every working value is local to one
// search, so searches are reentrant.
#include <cmath>

namespace qdists {

// The search interval and tolerances: the search stops when the bracket is
// within max(absolute, relative * |x|).
struct ZeroSearch {
    double low;
    double high;
    double absoluteTolerance;
    double relativeTolerance;
};

// DSTZR: the settings of a search.
inline ZeroSearch dstzr(double low, double high, double absoluteTolerance, double relativeTolerance)
{
    return {low, high, absoluteTolerance, relativeTolerance};
}

// status 0: x is a zero within the tolerances, bracketed by [x, otherEnd];
// status -1: no sign change; lowerEnd then says whether |f| was smaller at
// low (true) or at high, and fAbove whether f was positive at both ends.
struct ZeroResult {
    double x;
    double otherEnd;
    int status;
    bool lowerEnd;
    bool fAbove;
};

namespace zero_finder_detail {

// One step of Algorithm R: bisection, secant or inverse quadratic
// interpolation, never shorter than the tolerance.
struct Bracket {
    double a, fa; // previous iterate
    double b, fb; // best iterate
    double c, fc; // far end of the bracket
    double d, fd; // iterate before a
    bool first;
    int extrapolations;
};

// The step from b towards the zero (Bus and Dekker, Algorithm R).
double step(const Bracket& s, double mb, double tol);

// Keeps b the end with the smaller |f| (Algorithm R, the exchange step).
void keepBestAtB(Bracket& s);

constexpr int kIterationLimit = 2000;

} // namespace zero_finder_detail

// DZROR: the zero of f on [search.low, search.high].
template <typename Function>
ZeroResult dzror(const ZeroSearch& search, Function f)
{
    using namespace zero_finder_detail;
    const auto tolerance = [&](double x) {
        return 0.5 * std::fmax(search.absoluteTolerance, search.relativeTolerance * std::fabs(x));
    };
    const double fLow = f(search.low);
    const double fHigh = f(search.high);
    if ((fLow < 0.0 && fHigh < 0.0) || (fLow > 0.0 && fHigh > 0.0)) {
        const bool above = fLow > 0.0;
        const bool lowerEnd = above ? fHigh > fLow : fHigh < fLow;
        return {search.low, search.high, -1, lowerEnd, above};
    }
    Bracket s{search.high, fHigh, search.low, fLow, search.high, fHigh, search.high, fHigh, true, 0};
    for (int iteration = 0; iteration < kIterationLimit; ++iteration) {
        keepBestAtB(s);
        const double tol = tolerance(s.b);
        const double mb = (s.c + s.b) * 0.5 - s.b;
        if (!(std::fabs(mb) > tol)) {
            const bool bracketed = (s.fc >= 0.0 && s.fb <= 0.0) || (s.fc < 0.0 && s.fb >= 0.0);
            return {s.b, s.c, bracketed ? 0 : -1, false, false};
        }
        const double w = step(s, mb, tol);
        s.first = false;
        s.d = s.a;
        s.fd = s.fa;
        s.a = s.b;
        s.fa = s.fb;
        s.b += w;
        s.fb = f(s.b);
        if (s.fc * s.fb >= 0.0) {
            // The zero now lies between a and b: restart the bracket there.
            s.c = s.a;
            s.fc = s.fa;
            s.extrapolations = 0;
        } else {
            s.extrapolations = w == mb ? 0 : s.extrapolations + 1;
        }
    }
    return {s.b, s.c, -1, false, false};
}

} // namespace qdists
