#include "qdists/DistExponential.h"

#include <cmath>

#include "qdists/FormulaRegions.h"

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

// -theta ln(1 - p); log1p only where 1 - p is not exact (p below 2^-53 or
// not a multiple of its own ulp), which would lose the result.
double CDistExponential::Quantile(double p) const
{
    if (p == 0.0) {
        return 0.0; // not the -0 of -theta ln 1
    }
    if (ComplementIsExact(p)) {
        return -m_theta * std::log(1.0 - p);
    }
    return -m_theta * std::log1p(-p);
}

// f(x) = (1/theta) exp(-x/theta)
double CDistExponential::Density(double x) const
{
    return x < 0.0 ? 0.0 : (1.0 / m_theta) * std::exp(-x / m_theta);
}

// F(x) = 1 - exp(-x/theta); -expm1 where exp(-x/theta) lies within 2^-8
// of 1 and the subtraction would lose the result.
double CDistExponential::Cumulative(double x) const
{
    if (x <= 0.0) {
        return 0.0;
    }
    const double survival = std::exp(-x / m_theta);
    if (KeepsPrecision(1.0 - survival)) {
        return 1.0 - survival;
    }
    return -std::expm1(-x / m_theta);
}

void CDistExponential::GetGraphRanges(Interval& x, Interval& y) const
{
    GraphRangesFromSupport(x, y);
}

} // namespace qdists
