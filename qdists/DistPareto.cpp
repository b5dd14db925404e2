#include "qdists/DistPareto.h"

#include <cmath>

#include "qdists/FormulaRegions.h"

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

// theta (1 - (1 - p)^(1/alpha)) (1 - p)^(-1/alpha). It loses its result
// where 1 - p is not exact, or where (1 - p)^(1/alpha) lies within 2^-8 of 1
// (p small beside alpha, p = 0 included): there theta ((1 - p)^(-1/alpha) - 1)
// is formed with expm1 and log1p instead. (Where (1 - p)^(-1/alpha)
// overflows, both forms do.)
double CDistPareto::Quantile(double p) const
{
    if (RootOfComplementKeepsPrecision(p, m_alpha)) {
        return WrittenQuantile(p);
    }
    return RearrangedQuantile(p);
}

double CDistPareto::DrawQuantile(double u) const
{
    const double written = WrittenQuantile(u);
    return IsUsableDraw(written) ? written : RearrangedQuantile(u);
}

double CDistPareto::WrittenQuantile(double p) const
{
    const double root = std::pow(1.0 - p, 1.0 / m_alpha);
    return m_theta * (1.0 - root) * std::pow(1.0 - p, -1.0 / m_alpha);
}

double CDistPareto::RearrangedQuantile(double p) const
{
    return m_theta * std::expm1(-std::log1p(-p) / m_alpha);
}

// f(x) = alpha theta^alpha / (x + theta)^(alpha + 1). Where theta^alpha or
// (x + theta)^(alpha + 1) overflows or underflows, the same value is
// formed as (alpha / theta) (theta / (x + theta))^(alpha + 1).
double CDistPareto::Density(double x) const
{
    if (x < 0.0) {
        return 0.0;
    }
    const double numerator = std::pow(m_theta, m_alpha);
    const double denominator = std::pow(x + m_theta, m_alpha + 1.0);
    if (IsFullPrecision(numerator) && IsFullPrecision(denominator)) {
        return m_alpha * numerator / denominator;
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
