#include "qdists/special/MachineConstants.h"
#include "qdists/special/Constants.h"

#include <array>
#include <cfloat>
#include <limits>

namespace qdists {

namespace {

// IEEE 754: 32-bit two's complement integers, binary32 and binary64.
constexpr std::array<int, 10> kIntegerParameters = {2, 31, 2147483647, 2, 24, -125, 128, 53, -1021, 1024};

} // namespace

double spmpar(int i)
{
    switch (i) {
    case 1: return DBL_EPSILON;
    case 2: return DBL_MIN;
    case 3: return DBL_MAX;
    default: return std::numeric_limits<double>::quiet_NaN();
    }
}

int ipmpar(int i)
{
    if (i < 1 || i > static_cast<int>(kIntegerParameters.size())) {
        return 0;
    }
    return kIntegerParameters[static_cast<std::size_t>(i - 1)];
}

double exparg(int l)
{
    const int exponent = (l == 0) ? ipmpar(10) : ipmpar(9) - 1;
    return 0.99999 * (exponent * constants::published::ln_two);
}

} // namespace qdists
