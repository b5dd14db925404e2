#include "qdists/special/SolverArguments.h"

#include "qdists/special/MachineConstants.h"

#include <cmath>

namespace qdists {

namespace {

bool fail(int code, double end, int& status, double& bound)
{
    status = code;
    bound = end;
    return false;
}

} // namespace

bool checkSolverMode(int which, int& status, double& bound)
{
    if (which >= 1 && which <= 4) {
        return true;
    }
    return fail(-1, which < 1 ? 1.0 : 4.0, status, bound);
}

bool beginSolve(int which, int& status, double& bound)
{
    status = 0;
    bound = 0.0;
    return checkSolverMode(which, status, bound) && checkImplementedMode(which, status, bound);
}

bool checkImplementedMode(int which, int& status, double& bound)
{
    if (which <= 2) {
        return true;
    }
    return fail(-1, 2.0, status, bound);
}

bool checkProbability(double value, int argument, int& status, double& bound)
{
    if (value > 0.0 && value <= 1.0) {
        return true;
    }
    return fail(-argument, value <= 0.0 ? 0.0 : 1.0, status, bound);
}

bool checkUnitSum(double first, double second, int code, int& status, double& bound)
{
    const double sum = first + second;
    if (std::fabs(sum - 0.5 - 0.5) <= 3.0 * spmpar(1)) {
        return true;
    }
    return fail(code, sum < 0.0 ? 0.0 : 1.0, status, bound);
}

bool checkClosedRange(double value, double low, double high, int argument, int& status, double& bound)
{
    if (value >= low && value <= high) {
        return true;
    }
    return fail(-argument, value > high ? high : low, status, bound);
}

bool checkPositive(double value, int argument, int& status, double& bound)
{
    if (value > 0.0) {
        return true;
    }
    return fail(-argument, 0.0, status, bound);
}

} // namespace qdists
