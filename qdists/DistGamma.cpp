#include "qdists/DistGamma.h"

#include <cmath>
#include <limits>

#include "qdists/special/SpecialFunctions.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"alpha", "shape parameter", Interval(kMinPositive, 2000.0), false},
        {"theta", "scale parameter", Interval(kMinPositive, kMaxDouble), false},
    };
    return table;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// cdfgam takes every argument by reference; Q is always 1 - P here. The
// solver's bound is not used: a failure gives NaN.
bool SolveGamma(int which, double& p, double& x, double shape, double rate)
{
    double q = 1.0 - p;
    int status = 0;
    double bound = 0.0;
    cdfgam(which, p, q, x, shape, rate, status, bound);
    return status == 0;
}
} // namespace

Interval CDistGamma::GetSupport() const
{
    return Interval(kMinPositive, kMaxDouble);
}

Interval CDistGamma::GetDensityRange() const
{
    if (m_alpha > 1.0) {
        return Interval(0.0, Density((m_alpha - 1.0) * m_theta));
    }
    return Interval(0.0, kMaxDouble);
}

const ParameterInfo& CDistGamma::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistGamma::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_alpha, m_theta});
}

void CDistGamma::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_alpha, &m_theta});
}

double CDistGamma::Quantile(double p) const
{
    // The solver refuses P = 0 and Q = 0; the ends of the support answer them.
    if (p == 0.0) {
        return 0.0;
    }
    if (p == 1.0) {
        return kInfinity;
    }
    double x = 0.0;
    return SolveGamma(2, p, x, m_alpha, 1.0 / m_theta) ? x : kNaN;
}

// f(x) = x^(alpha - 1) exp(-x / theta) / (Gamma(alpha) theta^alpha), in logarithms;
// at x = 0 the limit: infinite for alpha < 1, 1 / theta for alpha = 1, else 0.
double CDistGamma::Density(double x) const
{
    if (x < 0.0) {
        return 0.0;
    }
    if (x == 0.0) {
        if (m_alpha == 1.0) {
            return 1.0 / m_theta;
        }
        return m_alpha < 1.0 ? kInfinity : 0.0;
    }
    return std::exp(m_alpha * std::log(x / m_theta) - x / m_theta - gamln(m_alpha) - std::log(x));
}

double CDistGamma::Cumulative(double x) const
{
    if (x <= 0.0) {
        return 0.0;
    }
    double p = 0.5;
    return SolveGamma(1, p, x, m_alpha, 1.0 / m_theta) ? p : kNaN;
}

void CDistGamma::GetGraphRanges(Interval& x, Interval& y) const
{
    GraphRangesFromSupport(x, y);
}

} // namespace qdists
