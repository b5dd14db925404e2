#include "qdists/DistBeta.h"

#include <algorithm>
#include <cmath>

#include "qdists/special/SpecialFunctions.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"alpha", "alpha", Interval(kMinPositive, kMaxDouble), false},
        {"beta", "beta", Interval(kMinPositive, kMaxDouble), false},
        {"theta", "scale parameter", Interval(kMinPositive, kMaxDouble), false},
    };
    return table;
}

// The gamma function overflows a little above 171; these keep it finite.
constexpr double kMaxShape = 150.0;

// cdfbet takes every argument by reference; Q = 1 - P and Y = 1 - X here.
int SolveBeta(int which, double& p, double& x, double a, double b, double& bound)
{
    double q = 1.0 - p;
    double y = 1.0 - x;
    int status = 0;
    cdfbet(which, p, q, x, y, a, b, status, bound);
    return status;
}

constexpr double kSteepShape = 100.0;
constexpr double kGraphTopForPole = 3.0;   // a shape below 1 makes an end infinite
constexpr double kGraphTopForSteep = 40.0; // a shape above 100 makes a tall peak
} // namespace

bool CDistBeta::Validate(std::string& message) const
{
    if (m_alpha > kMaxShape) {
        message = "The alpha parameter needs to be less than 150.";
        return false;
    }
    if (m_beta > kMaxShape) {
        message = "The beta parameter needs to be less than 150.";
        return false;
    }
    if (m_alpha + m_beta > kMaxShape) {
        message = "alpha + beta needs to be less than 150.";
        return false;
    }
    return VDistribution::Validate(message);
}

Interval CDistBeta::GetSupport() const
{
    // A theta as small as MINPOS would otherwise reverse the ends.
    return Interval(kMinPositive, std::max(kMinPositive, m_theta - kMinPositive));
}

Interval CDistBeta::GetDensityRange() const
{
    return Interval(0.0, 1.0);
}

const ParameterInfo& CDistBeta::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistBeta::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_alpha, m_beta, m_theta});
}

void CDistBeta::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_alpha, &m_beta, &m_theta});
}

double CDistBeta::Quantile(double p) const
{
    if (p == 0.0) {
        return 0.0;
    }
    if (p == 1.0) {
        return m_theta;
    }
    double x = 0.0;
    double bound = 0.0;
    return m_theta * (SolveBeta(2, p, x, m_alpha, m_beta, bound) == 0 ? x : bound);
}

// f(x) = Gamma(alpha + beta) / (Gamma(alpha) Gamma(beta)) (x/theta)^alpha (1 - x/theta)^(beta - 1) / x
// on [0, theta]; at x = 0 the limit: infinite for alpha < 1, beta / theta for
// alpha = 1, else 0.
double CDistBeta::Density(double x) const
{
    if (x < 0.0 || x > m_theta) {
        return 0.0;
    }
    if (x == 0.0) {
        if (m_alpha == 1.0) {
            return m_beta / m_theta;
        }
        return m_alpha < 1.0 ? kInfinity : 0.0;
    }
    const double t = x / m_theta;
    const double norm = GammaFunction(m_alpha + m_beta) / (GammaFunction(m_alpha) * GammaFunction(m_beta));
    return norm * std::pow(t, m_alpha) * std::pow(1.0 - t, m_beta - 1.0) / x;
}

double CDistBeta::Cumulative(double x) const
{
    if (x <= 0.0) {
        return 0.0;
    }
    if (x >= m_theta) {
        return 1.0;
    }
    double p = 0.5;
    double t = x / m_theta;
    double bound = 0.0;
    return SolveBeta(1, p, t, m_alpha, m_beta, bound) == 0 ? p : bound;
}

void CDistBeta::GetGraphRanges(Interval& x, Interval& y) const
{
    x = Interval(kMinPositive, m_theta);
    if (m_alpha < 1.0 || m_beta < 1.0) {
        y = Interval(0.0, kGraphTopForPole);
    } else if (m_alpha > kSteepShape || m_beta > kSteepShape) {
        y = Interval(0.0, kGraphTopForSteep);
    } else {
        y = Interval(0.0, 0.0);
    }
}

} // namespace qdists
