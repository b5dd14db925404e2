#include "qdists/DistNormal.h"

#include <cmath>
#include <limits>

#include "qdists/FormulaRegions.h"

#include "qdists/special/Constants.h"
#include "qdists/special/SpecialFunctions.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"mu", "mean", Interval(-kMaxDouble, kMaxDouble), false},
        {"sigma", "standard deviation", Interval(kMinPositive, kMaxDouble), false},
    };
    return table;
}

// cdfnor takes every argument by reference; Q is always 1 - P here.
int SolveNormal(int which, double& p, double& x, double mean, double sd, double& bound)
{
    double q = 1.0 - p;
    int status = 0;
    cdfnor(which, p, q, x, mean, sd, status, bound);
    return status;
}
constexpr double kGraphTail = 0.001;
} // namespace

Interval CDistNormal::GetSupport() const
{
    return Interval(-kInfinity, kInfinity);
}

Interval CDistNormal::GetDensityRange() const
{
    return Interval(0.0, Density(m_mu));
}

const ParameterInfo& CDistNormal::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistNormal::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_mu, m_sigma});
}

void CDistNormal::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_mu, &m_sigma});
}

double CDistNormal::Quantile(double p) const
{
    if (p == 0.0) {
        return -kInfinity;
    }
    if (p == 1.0) {
        return kInfinity;
    }
    double x = 0.0;
    double bound = 0.0;
    return SolveNormal(2, p, x, m_mu, m_sigma, bound) == 0 ? x : bound;
}

// f(x) = exp(-(x - mu)^2 / (2 sigma^2)) / (sqrt(2 pi) sigma). Where (x - mu)^2
// overflows or 2 sigma^2 overflows or underflows (sigma beyond about 1e154
// or below about 1e-154), the exponent is formed from z = (x - mu)/sigma.
double CDistNormal::Density(double x) const
{
    const double deviation = x - m_mu;
    const double square = deviation * deviation;
    const double twiceVariance = 2.0 * m_sigma * m_sigma;
    const double scale = std::sqrt(constants::published::two_pi_10) * m_sigma;
    if (std::isfinite(square) && IsFullPrecision(twiceVariance)) {
        return std::exp(-square / twiceVariance) / scale;
    }
    const double z = deviation / m_sigma;
    return std::exp(-0.5 * z * z) / scale;
}

double CDistNormal::Cumulative(double x) const
{
    double p = 0.5;
    double bound = 0.0;
    return SolveNormal(1, p, x, m_mu, m_sigma, bound) == 0 ? p : std::numeric_limits<double>::quiet_NaN();
}

void CDistNormal::GetGraphRanges(Interval& x, Interval& y) const
{
    x = Interval(Quantile(kGraphTail), Quantile(1.0 - kGraphTail));
    y = GetDensityRange();
}

} // namespace qdists
