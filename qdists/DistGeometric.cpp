#include "qdists/DistGeometric.h"

#include <cmath>

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"p", "probability of success", Interval(kMinPositive, 1.0), false},
    };
    return table;
}
} // namespace

Interval CDistGeometric::GetSupport() const
{
    return Interval(1.0, kMaxDouble);
}

Interval CDistGeometric::GetDensityRange() const
{
    return Interval(0.0, 1.0);
}

const ParameterInfo& CDistGeometric::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistGeometric::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_p});
}

void CDistGeometric::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_p});
}

// floor(ln(1 - u) / ln(1 - p)) + 1 by inversion. log1p keeps a tiny p from
// rounding 1 - p to 1, which would divide by zero.
double CDistGeometric::Sample(CUnitStream& stream) const
{
    const double u = stream.NextUnit();
    const double trials = std::floor(std::log1p(-u) / std::log1p(-m_p)) + 1.0;
    return std::fmin(trials, kMaxDouble); // the quotient can overflow for p near MINPOS
}

// P(k) = p (1 - p)^(k - 1) for k >= 1
double CDistGeometric::Probability(int k) const
{
    if (k < 1) {
        return 0.0;
    }
    return m_p * std::pow(1.0 - m_p, k - 1);
}

} // namespace qdists
