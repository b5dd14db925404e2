#include "qdists/DistLognormal.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "qdists/DistNormal.h"
#include "qdists/special/Constants.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"mu", "", Interval(-kMaxDouble, kMaxDouble), false},
        {"sigma", "", Interval(kMinPositive, kMaxDouble), false},
    };
    return table;
}

constexpr double kGraphQuantile = 0.9;
constexpr double kGraphModeMultiple = 10.0;
} // namespace

Interval CDistLognormal::GetSupport() const
{
    return Interval(0.0, kInfinity);
}

double CDistLognormal::Mode() const
{
    return std::exp(m_mu - m_sigma * m_sigma);
}

Interval CDistLognormal::GetDensityRange() const
{
    return Interval(0.0, Density(Mode()));
}

const ParameterInfo& CDistLognormal::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistLognormal::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_mu, m_sigma});
}

void CDistLognormal::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_mu, &m_sigma});
}

double CDistLognormal::Quantile(double p) const
{
    return std::exp(m_mu + m_sigma * CDistNormal(0.0, 1.0).Quantile(p));
}

// f(x) = exp(-((ln x - mu) / sigma)^2 / 2) / (sqrt(2 pi) sigma x), 0 for x <= 0
double CDistLognormal::Density(double x) const
{
    if (x <= 0.0) {
        return 0.0;
    }
    const double z = (std::log(x) - m_mu) / m_sigma;
    return std::exp(-0.5 * z * z) / (std::sqrt(constants::published::two_pi_10) * m_sigma * x);
}

double CDistLognormal::Cumulative(double x) const
{
    if (x <= 0.0) {
        return 0.0;
    }
    return CDistNormal(0.0, 1.0).Cumulative((std::log(x) - m_mu) / m_sigma);
}

void CDistLognormal::GetGraphRanges(Interval& x, Interval& y) const
{
    x = Interval(0.0, std::min(Quantile(kGraphQuantile), kGraphModeMultiple * Mode()));
    y = GetDensityRange();
}

void CDistLognormal::AddGraphPoints(std::vector<double>& xs) const
{
    xs.push_back(0.0);
    xs.push_back(Mode());
}

} // namespace qdists
