#include "qdists/Distribution.h"

#include <limits>
#include <stdexcept>

#include "qdists/ParameterText.h"

namespace qdists {

bool VDistribution::Validate(std::string& message) const
{
    for (unsigned i = 0; i < GetParameterCount(); ++i) {
        const double v = GetParameter(i);
        const ParameterInfo& info = GetParameterInfo(i);
        const double lo = info.bounds.lower();
        const double hi = info.bounds.upper();
        if (lo <= v && v <= hi) {
            continue;
        }
        if (!(v > hi)) { // below the lower end, or NaN
            message = "The value of " + info.symbol + " is invalid.";
        } else {
            message = info.symbol + " needs to be smaller than " + FormatParameterValue(hi);
        }
        return false;
    }
    return true;
}

bool VDistribution::IsValid() const
{
    std::string scratch;
    return Validate(scratch);
}

const ParameterInfo& VDistribution::InfoAt(const ParameterInfo* table, unsigned count, unsigned index)
{
    if (index >= count) {
        throw std::out_of_range("distribution parameter index out of range");
    }
    return table[index];
}

double VDistribution::ParameterAt(unsigned index, std::initializer_list<double> values)
{
    return index < values.size() ? values.begin()[index] : std::numeric_limits<double>::quiet_NaN();
}

void VDistribution::StoreParameter(unsigned index, double value, std::initializer_list<double*> members)
{
    if (index < members.size()) {
        *members.begin()[index] = value;
    }
}

} // namespace qdists
