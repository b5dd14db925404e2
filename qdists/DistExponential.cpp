#include "qdists/DistExponential.h"

#include <cmath>

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"theta", "mean", Interval(kMinPositive, kMaxDouble), false},
    };
    return table;
}
} // namespace

Interval CDistExponential::GetSupport() const
{
    return Interval(0.0, kMaxDouble);
}

Interval CDistExponential::GetDensityRange() const
{
    return Interval(0.0, 1.0 / m_theta);
}

const ParameterInfo& CDistExponential::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistExponential::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_theta});
}

void CDistExponential::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_theta});
}

// -theta ln(1 - p)
double CDistExponential::Quantile(double p) const
{
    return -m_theta * std::log1p(-p);
}

// f(x) = exp(-x / theta) / theta
double CDistExponential::Density(double x) const
{
    return x < 0.0 ? 0.0 : std::exp(-x / m_theta) / m_theta;
}

double CDistExponential::Cumulative(double x) const
{
    return x <= 0.0 ? 0.0 : -std::expm1(-x / m_theta);
}

void CDistExponential::GetGraphRanges(Interval& x, Interval& y) const
{
    GraphRangesFromSupport(x, y);
}

} // namespace qdists
