#include "qdists/DistWeibull.h"

#include <cmath>

#include "qdists/FormulaRegions.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"tau", "shape parameter", Interval(kMinPositive, kMaxDouble), false},
        {"theta", "scale parameter", Interval(kMinPositive, kMaxDouble), false},
    };
    return table;
}

constexpr double kGraphQuantile = 0.99;
} // namespace

Interval CDistWeibull::GetSupport() const
{
    return Interval(0.0, kInfinity);
}

Interval CDistWeibull::GetDensityRange() const
{
    if (m_tau > 1.0) {
        const double mode = m_theta * std::pow((m_tau - 1.0) / m_tau, 1.0 / m_tau);
        return Interval(0.0, Density(mode));
    }
    return Interval(0.0, Quantile(0.0));
}

const ParameterInfo& CDistWeibull::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistWeibull::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_tau, m_theta});
}

void CDistWeibull::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_tau, &m_theta});
}

// theta (-ln(1 - p))^(1/tau); log1p only where 1 - p is not exact.
double CDistWeibull::Quantile(double p) const
{
    if (p == 0.0) {
        return 0.0; // not the -0 that (-ln 1)^(1/tau) gives for odd 1/tau
    }
    const double logSurvival = ComplementIsExact(p) ? std::log(1.0 - p) : std::log1p(-p);
    return m_theta * std::pow(-logSurvival, 1.0 / m_tau);
}

// f(x) = (tau / x) z exp(-z) with z = (x / theta)^tau
double CDistWeibull::Density(double x) const
{
    if (x < 0.0) {
        return 0.0;
    }
    if (x == 0.0) {
        if (m_tau == 1.0) {
            return 1.0 / m_theta;
        }
        return m_tau < 1.0 ? kInfinity : 0.0;
    }
    const double z = std::pow(x / m_theta, m_tau);
    if (std::isinf(z)) {
        return 0.0; // infinity times exp(-infinity): the density has vanished
    }
    return z * std::exp(-z) * m_tau / x;
}

// F(x) = 1 - exp(-(x/theta)^tau); -expm1 where the exponential lies within
// 2^-8 of 1 and the subtraction would lose the result.
double CDistWeibull::Cumulative(double x) const
{
    if (x <= 0.0) {
        return 0.0;
    }
    const double z = std::pow(x / m_theta, m_tau);
    const double survival = std::exp(-z);
    if (KeepsPrecision(1.0 - survival)) {
        return 1.0 - survival;
    }
    return -std::expm1(-z);
}

void CDistWeibull::GetGraphRanges(Interval& x, Interval& y) const
{
    x = Interval(0.0, Quantile(kGraphQuantile));
    y = GetDensityRange();
}

} // namespace qdists
