#include "qdists/DistPoisson.h"

#include <algorithm>
#include <cmath>

#include "qdists/Combinatorics.h"
#include "qdists/DistNormal.h"
#include "qdists/IntegerConversion.h"
#include "qdists/PoissonSampler.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"lambda", "mean", Interval(kMinPositive, 1000.0), false},
    };
    return table;
}

// From this mean on, and beyond the factorial table, the mass is taken from
// the normal density.
constexpr double kExactMassLimit = 50.0;
} // namespace

Interval CDistPoisson::GetSupport() const
{
    return Interval(0.0, kMaxDouble);
}

Interval CDistPoisson::GetDensityRange() const
{
    const double below = Probability(TruncateToInt32(std::floor(m_lambda)));
    const double above = Probability(TruncateToInt32(std::ceil(m_lambda)));
    return Interval(0.0, std::max(below, above));
}

const ParameterInfo& CDistPoisson::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistPoisson::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_lambda});
}

void CDistPoisson::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_lambda});
}

double CDistPoisson::Sample(CUnitStream& stream) const
{
    return SamplePoisson(m_lambda, stream);
}

// P(k) = e^-lambda lambda^k / k!
double CDistPoisson::Probability(int k) const
{
    if (k < 0) {
        return 0.0;
    }
    if (m_lambda < kExactMassLimit && k <= MaxFactorialArgument()) {
        return std::exp(-m_lambda) * IntegerPower(m_lambda, k) / Factorial(k);
    }
    return CDistNormal(m_lambda, std::sqrt(m_lambda)).Density(k);
}

} // namespace qdists
