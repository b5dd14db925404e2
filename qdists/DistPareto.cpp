#include "qdists/DistPareto.h"

#include <cmath>

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"alpha", "shape parameter", Interval(kMinPositive, kMaxDouble), false},
        {"theta", "scale parameter", Interval(kMinPositive, kMaxDouble), false},
    };
    return table;
}

constexpr double kGraphQuantile = 0.9;
} // namespace

Interval CDistPareto::GetSupport() const
{
    return Interval(0.0, kInfinity);
}

Interval CDistPareto::GetDensityRange() const
{
    return Interval(0.0, m_alpha / m_theta);
}

const ParameterInfo& CDistPareto::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistPareto::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_alpha, m_theta});
}

void CDistPareto::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_alpha, &m_theta});
}

// theta ((1 - p)^(-1/alpha) - 1), with expm1 and log1p keeping small p exact.
double CDistPareto::Quantile(double p) const
{
    return m_theta * std::expm1(-std::log1p(-p) / m_alpha);
}

// f(x) = alpha theta^alpha / (x + theta)^(alpha + 1), written as
// (alpha / theta) (theta / (x + theta))^(alpha + 1) so large theta cannot overflow.
double CDistPareto::Density(double x) const
{
    if (x < 0.0) {
        return 0.0;
    }
    return m_alpha / m_theta * std::pow(m_theta / (x + m_theta), m_alpha + 1.0);
}

double CDistPareto::Cumulative(double x) const
{
    if (x <= 0.0) {
        return 0.0;
    }
    return 1.0 - std::pow(m_theta / (x + m_theta), m_alpha);
}

void CDistPareto::GetGraphRanges(Interval& x, Interval& y) const
{
    x = Interval(0.0, Quantile(kGraphQuantile));
    y = GetDensityRange();
}

} // namespace qdists
