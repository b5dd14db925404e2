#include "qdists/DistNegativeBinomial.h"

#include <cmath>

#include "qdists/Combinatorics.h"
#include "qdists/DistBernoulli.h"
#include "qdists/IntegerConversion.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"p", "probability of success", Interval(0.0, 1.0), false},
        {"r", "", Interval(kMinPositive, kMaxDouble), true},
    };
    return table;
}

// Bounds the expected number of trials a draw takes.
constexpr double kMaxExpectedValue = 90.0;
} // namespace

bool CDistNegativeBinomial::Validate(std::string& message) const
{
    if (!VDistribution::Validate(message)) {
        return false;
    }
    if (m_r * (1.0 - m_p) / m_p > kMaxExpectedValue) {
        message = "Expected value should be less than 90.";
        return false;
    }
    return true;
}

Interval CDistNegativeBinomial::GetSupport() const
{
    return Interval(0.0, kMaxDouble);
}

Interval CDistNegativeBinomial::GetDensityRange() const
{
    return Interval(0.0, 1.0);
}

const ParameterInfo& CDistNegativeBinomial::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistNegativeBinomial::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_p, static_cast<double>(m_r)});
}

void CDistNegativeBinomial::SetParameter(unsigned index, double value)
{
    if (index == 0) {
        m_p = value;
    } else if (index == 1) {
        m_r = TruncateToInt32(value);
    }
}

// Bernoulli trials until the r-th success; the failures are the variate.
double CDistNegativeBinomial::Sample(CUnitStream& stream) const
{
    const CDistBernoulli trial(m_p);
    double failures = 0.0;
    for (std::int32_t successes = 0; successes < m_r;) {
        if (trial.SampleFailure(stream)) {
            failures += 1.0;
        } else {
            ++successes;
        }
    }
    return failures;
}

// P(k) = C(k + r - 1, r - 1) (1 - p)^k p^r. Past the factorial table the
// same product is taken in logarithms: the tail there is small but not 0.
double CDistNegativeBinomial::Probability(int k) const
{
    if (k < 0) {
        return 0.0;
    }
    const long long top = static_cast<long long>(k) + m_r - 1;
    if (top <= MaxFactorialArgument()) {
        const int n = static_cast<int>(top);
        return BinomialCoefficient(n, m_r - 1) * std::pow(1.0 - m_p, k) * std::pow(m_p, m_r);
    }
    const double r = m_r;
    const double logCoefficient = std::lgamma(k + r) - std::lgamma(r) - std::lgamma(k + 1.0);
    return std::exp(logCoefficient + k * std::log1p(-m_p) + r * std::log(m_p));
}

} // namespace qdists
