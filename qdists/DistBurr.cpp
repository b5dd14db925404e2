#include "qdists/DistBurr.h"

#include <cmath>

#include "qdists/FormulaRegions.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"alpha", "alpha", Interval(kMinPositive, kMaxDouble), false},
        {"gamma", "gamma", Interval(kMinPositive, kMaxDouble), false},
        {"theta", "scale parameter", Interval(kMinPositive, kMaxDouble), false},
    };
    return table;
}

constexpr double kGraphHighQuantile = 0.95;
constexpr double kSteepGamma = 10.0; // above it the density starts well away from 0
} // namespace

Interval CDistBurr::GetSupport() const
{
    return Interval(0.0, kInfinity);
}

Interval CDistBurr::GetDensityRange() const
{
    if (m_gamma > 1.0) {
        const double mode = m_theta * std::pow((m_gamma - 1.0) / (m_alpha * m_gamma + 1.0), 1.0 / m_gamma);
        return Interval(0.0, Density(mode));
    }
    return Interval(0.0, kMaxDouble);
}

const ParameterInfo& CDistBurr::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistBurr::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_alpha, m_gamma, m_theta});
}

void CDistBurr::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_alpha, &m_gamma, &m_theta});
}

// theta (-(1 - p)^(-1/alpha) ((1 - p)^(1/alpha) - 1))^(1/gamma). It loses
// its result where 1 - p is not exact or (1 - p)^(1/alpha) lies within 2^-8
// of 1: there (1 - p)^(-1/alpha) - 1 is formed with expm1 and log1p instead.
double CDistBurr::Quantile(double p) const
{
    if (RootOfComplementKeepsPrecision(p, m_alpha)) {
        return WrittenQuantile(p);
    }
    return RearrangedQuantile(p);
}

double CDistBurr::DrawQuantile(double u) const
{
    const double written = WrittenQuantile(u);
    return IsUsableDraw(written) ? written : RearrangedQuantile(u);
}

double CDistBurr::WrittenQuantile(double p) const
{
    const double root = std::pow(1.0 - p, 1.0 / m_alpha);
    const double inner = -std::pow(1.0 - p, -1.0 / m_alpha) * (root - 1.0);
    return m_theta * std::pow(inner, 1.0 / m_gamma);
}

double CDistBurr::RearrangedQuantile(double p) const
{
    return m_theta * std::pow(std::expm1(-std::log1p(-p) / m_alpha), 1.0 / m_gamma);
}

// f(x) = alpha gamma z / (x (1 + z)^(alpha + 1)) with z = (x / theta)^gamma.
// Where the numerator or the denominator overflows or underflows (a huge
// or tiny z), it is evaluated as (alpha gamma / x) (1 / (1 + 1/z))
// (1 + z)^-alpha, which gives 0 rather than infinity over infinity.
double CDistBurr::Density(double x) const
{
    if (x < 0.0) {
        return 0.0;
    }
    if (x == 0.0) {
        if (m_gamma == 1.0) {
            return m_alpha / m_theta;
        }
        return m_gamma < 1.0 ? kInfinity : 0.0;
    }
    const double z = std::pow(x / m_theta, m_gamma);
    const double numerator = m_alpha * m_gamma * z;
    const double denominator = x * std::pow(1.0 + z, m_alpha + 1.0);
    if (IsFullPrecision(numerator) && IsFullPrecision(denominator)) {
        return numerator / denominator;
    }
    return m_alpha * m_gamma / x / (1.0 + 1.0 / z) * std::pow(1.0 + z, -m_alpha);
}

// F(x) = 1 - (1/(1 + z))^alpha. Where (1/(1 + z))^alpha lies within 2^-8
// of 1 (x small) the subtraction would lose the result: there
// -expm1(-alpha ln(1 + z)).
double CDistBurr::Cumulative(double x) const
{
    if (x <= 0.0) {
        return 0.0;
    }
    const double z = std::pow(x / m_theta, m_gamma);
    const double survival = std::pow(1.0 / (1.0 + z), m_alpha);
    if (KeepsPrecision(1.0 - survival)) {
        return 1.0 - survival;
    }
    return -std::expm1(-m_alpha * std::log1p(z));
}

void CDistBurr::GetGraphRanges(Interval& x, Interval& y) const
{
    const double top = Quantile(kGraphHighQuantile);
    x = Interval(0.0, top);
    y = Interval(0.0, 0.0);
    if (m_gamma > 1.0) {
        y = GetDensityRange();
        if (m_gamma > kSteepGamma) {
            x = Interval(Quantile(kLowGraphQuantile), top);
        }
    }
}

} // namespace qdists
