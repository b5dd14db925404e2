#include "qdists/DistTriangular.h"

#include <cmath>

#include "qdists/FormulaRegions.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"min", "Minimum value", Interval(-kMaxDouble, kMaxDouble), false},
        {"max", "Maximum value", Interval(-kMaxDouble, kMaxDouble), false},
        {"peak", "Most likely value", Interval(-kMaxDouble, kMaxDouble), false},
    };
    return table;
}
} // namespace

bool CDistTriangular::Validate(std::string& message) const
{
    if (!CheckMaximumAboveMinimum(m_min, m_max, message)) {
        return false;
    }
    if (!(m_peak > m_min)) {
        message = "The most likely value has to be greater than the minimum.";
        return false;
    }
    if (!(m_peak < m_max)) {
        message = "The most likely value has to be less than the maximum.";
        return false;
    }
    return VDistribution::Validate(message);
}

Interval CDistTriangular::GetSupport() const
{
    return Interval(m_min, m_max);
}

Interval CDistTriangular::GetDensityRange() const
{
    return Interval(0.0, Density(m_peak));
}

const ParameterInfo& CDistTriangular::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistTriangular::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_min, m_max, m_peak});
}

void CDistTriangular::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_min, &m_max, &m_peak});
}

// a + sqrt(p (b - a)(c - a)) below f, b - sqrt((1 - p)(b - a)(b - c))
// above. Where the product overflows (wide ranges) or underflows (narrow
// ones), the square roots are taken apart; a seeded draw keeps a subnormal
// product, whose square root still has most of its bits.
double CDistTriangular::Quantile(double p) const
{
    return Inverse(p, IsFullPrecision);
}

double CDistTriangular::DrawQuantile(double u) const
{
    return Inverse(u, IsUsableDraw);
}

double CDistTriangular::Inverse(double p, bool (*keepsProduct)(double)) const
{
    if (p == 0.0) {
        return m_min;
    }
    if (p == 1.0) {
        return m_max;
    }
    const double f = (m_peak - m_min) / (m_max - m_min);
    if (p == f) {
        return m_peak;
    }
    if (p < f) {
        const double product = p * (m_max - m_min) * (m_peak - m_min);
        if (keepsProduct(product)) {
            return m_min + std::sqrt(product);
        }
        return m_min + std::sqrt(p) * std::sqrt(m_max - m_min) * std::sqrt(m_peak - m_min);
    }
    const double product = (1.0 - p) * (m_max - m_min) * (m_max - m_peak);
    if (keepsProduct(product)) {
        return m_max - std::sqrt(product);
    }
    return m_max - std::sqrt(1.0 - p) * std::sqrt(m_max - m_min) * std::sqrt(m_max - m_peak);
}

// f(x) = 2 (x - a) / ((c - a)(b - a)) on (a, c], 2 (b - x) / ((b - c)(b - a)) on (c, b)
double CDistTriangular::Density(double x) const
{
    if (x <= m_min || x >= m_max) {
        return 0.0;
    }
    if (x <= m_peak) {
        return 2.0 * (x - m_min) / ((m_peak - m_min) * (m_max - m_min));
    }
    return 2.0 * (m_max - x) / ((m_max - m_peak) * (m_max - m_min));
}

double CDistTriangular::Cumulative(double x) const
{
    if (x <= m_min) {
        return 0.0;
    }
    if (x >= m_max) {
        return 1.0;
    }
    if (x <= m_peak) {
        return (x - m_min) * (x - m_min) / ((m_peak - m_min) * (m_max - m_min));
    }
    return 1.0 - (m_max - x) * (m_max - x) / ((m_max - m_peak) * (m_max - m_min));
}

void CDistTriangular::GetGraphRanges(Interval& x, Interval& y) const
{
    if (GraphStartsAtZero(m_min, m_max)) {
        x = Interval(0.0, m_min + m_max);
    } else {
        x = Interval(m_min, m_max);
    }
    y = GetDensityRange();
}

void CDistTriangular::AddGraphPoints(std::vector<double>& xs) const
{
    xs.push_back(m_min);
    xs.push_back(m_max);
    xs.push_back(m_peak);
}

} // namespace qdists
