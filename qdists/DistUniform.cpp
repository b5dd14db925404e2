#include "qdists/DistUniform.h"

#include <cmath>

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"min", "Minimum value", Interval(-kMaxDouble, kMaxDouble), false},
        {"max", "Maximum value", Interval(-kMaxDouble, kMaxDouble), false},
    };
    return table;
}

constexpr double kGraphMargin = 1.1;       // widths beyond each end
constexpr double kJumpOffset = 0.0001;      // of the width, either side of each jump
} // namespace

bool CDistUniform::Validate(std::string& message) const
{
    return CheckMaximumAboveMinimum(m_min, m_max, message) && VDistribution::Validate(message);
}

Interval CDistUniform::GetSupport() const
{
    return Interval(m_min, m_max);
}

Interval CDistUniform::GetDensityRange() const
{
    return Interval(0.0, 1.0 / (m_max - m_min));
}

const ParameterInfo& CDistUniform::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistUniform::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_min, m_max});
}

void CDistUniform::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_min, &m_max});
}

double CDistUniform::Quantile(double p) const
{
    if (p == 0.0) {
        return m_min;
    }
    if (p == 1.0) {
        return m_max;
    }
    const double width = m_max - m_min;
    if (std::isfinite(width)) {
        return m_min + p * width;
    }
    // The ends lie further apart than the largest double: weigh them instead.
    return (1.0 - p) * m_min + p * m_max;
}

// f(x) = 1 / (max - min) on [min, max]
double CDistUniform::Density(double x) const
{
    return (m_min <= x && x <= m_max) ? 1.0 / (m_max - m_min) : 0.0;
}

double CDistUniform::Cumulative(double x) const
{
    if (x <= m_min) {
        return 0.0;
    }
    if (x >= m_max) {
        return 1.0;
    }
    return (x - m_min) / (m_max - m_min);
}

void CDistUniform::GetGraphRanges(Interval& x, Interval& y) const
{
    const double width = m_max - m_min;
    if (GraphStartsAtZero(m_min, m_max)) {
        x = Interval(0.0, m_min + m_max);
    } else {
        x = Interval(m_min - kGraphMargin * width, m_max + kGraphMargin * width);
    }
    y = GetDensityRange();
}

void CDistUniform::AddGraphPoints(std::vector<double>& xs) const
{
    const double e = kJumpOffset * (m_max - m_min);
    for (double end : {m_min, m_max}) {
        xs.push_back(end - e);
        xs.push_back(end);
        xs.push_back(end + e);
    }
}

} // namespace qdists
