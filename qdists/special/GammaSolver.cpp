#include "qdists/special/SpecialFunctions.h"

#include "qdists/special/IncompleteGamma.h"
#include <cmath>
#include "qdists/special/SolverArguments.h"

namespace qdists {

void cdfgam(int which, double& p, double& q, double& x, double& shape, double& scale, int& status, double& bound)
{
    if (!beginSolve(which, status, bound)) {
        return;
    }
    if (which == 1) {
        if (checkClosedRange(x, 0.0, INFINITY, 4, status, bound) && checkPositive(shape, 5, status, bound) &&
            checkPositive(scale, 6, status, bound)) {
            cumgam(x * scale, shape, p, q);
        }
        return;
    }
    if (!checkProbability(p, 2, status, bound) || !checkProbability(q, 3, status, bound) ||
        !checkPositive(shape, 5, status, bound) || !checkPositive(scale, 6, status, bound) ||
        !checkUnitSum(p, q, 3, status, bound)) {
        return;
    }
    int error = 0;
    const double unitRate = gaminv(shape, p, q, error);
    if (error < 0) {
        status = 10;
        return;
    }
    x = unitRate / scale;
}

} // namespace qdists
