#include "qdists/DistBinomial.h"

#include <algorithm>
#include <cmath>

#include "qdists/Combinatorics.h"
#include "qdists/DistNormal.h"
#include "qdists/IntegerConversion.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"p", "probability of success", Interval(0.0, 1.0), false},
        {"n", "number of trials", Interval(1.0, kMaxDouble), true},
    };
    return table;
}

// Above this many expected successes and failures the normal approximation
// replaces counting trials one by one.
constexpr double kNormalApproximationLimit = 10.0;
} // namespace

bool CDistBinomial::Validate(std::string& message) const
{
    if (m_n > MaxFactorialArgument()) {
        message = "Number of trials needs to be less than 170.";
        return false;
    }
    return VDistribution::Validate(message);
}

Interval CDistBinomial::GetSupport() const
{
    return Interval(0.0, kInfinity);
}

Interval CDistBinomial::GetDensityRange() const
{
    return Interval(0.0, 1.0);
}

const ParameterInfo& CDistBinomial::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistBinomial::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_p, static_cast<double>(m_n)});
}

void CDistBinomial::SetParameter(unsigned index, double value)
{
    if (index == 0) {
        m_p = value;
    } else if (index == 1) {
        m_n = TruncateToInt32(value);
    }
}

double CDistBinomial::Sample(CUnitStream& stream) const
{
    const double n = m_n;
    const double mean = n * m_p;
    const double other = n * (1.0 - m_p);
    if (mean > kNormalApproximationLimit && other > kNormalApproximationLimit) {
        const double x = CDistNormal(mean, std::sqrt(mean * (1.0 - m_p))).Sample(stream);
        // A normal tail can reach past either end of [0, n].
        return std::clamp(std::floor(x + 0.5), 0.0, n);
    }
    int successes = 0;
    for (std::int32_t trial = 0; trial < m_n; ++trial) {
        if (stream.NextUnit() < m_p) {
            ++successes;
        }
    }
    return successes;
}

// P(k) = C(n, k) p^k (1 - p)^(n - k)
double CDistBinomial::Probability(int k) const
{
    if (k < 0 || k > m_n) {
        return 0.0;
    }
    return BinomialCoefficient(m_n, k) * IntegerPower(m_p, k) * IntegerPower(1.0 - m_p, m_n - k);
}

} // namespace qdists
