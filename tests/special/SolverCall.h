#pragma once

// The outputs of one solver call, with every output preset to a value no
// solver writes, so that a test sees what the call set.
#include <limits>

namespace special_test {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct SolverCall {
    int status = 0;
    double bound = -99.0;
    double p = 0.0;
    double q = 0.0;
    double x = 0.0;
    double y = 0.0;
};

inline SolverCall withInputs(double p, double q, double x, double y = 0.0)
{
    SolverCall c;
    c.p = p;
    c.q = q;
    c.x = x;
    c.y = y;
    return c;
}

} // namespace special_test
