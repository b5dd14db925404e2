#include "qdists/special/SpecialFunctions.h"

#include "qdists/special/NormalFunctions.h"
#include "qdists/special/SolverArguments.h"

namespace qdists {

void cdfnor(int which, double& p, double& q, double& x, double& mean, double& sd, int& status, double& bound)
{
    if (!beginSolve(which, status, bound)) {
        return;
    }
    if (which == 1) {
        if (checkPositive(sd, 6, status, bound)) {
            cumnor((x - mean) / sd, p, q);
        }
        return;
    }
    if (checkProbability(p, 2, status, bound) && checkProbability(q, 3, status, bound) &&
        checkPositive(sd, 6, status, bound) && checkUnitSum(p, q, 3, status, bound)) {
        x = mean + sd * dinvnr(p, q);
    }
}

} // namespace qdists
