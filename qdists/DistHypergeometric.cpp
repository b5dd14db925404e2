#include "qdists/DistHypergeometric.h"

#include "qdists/Combinatorics.h"
#include "qdists/IntegerConversion.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"N", "number of good elements", Interval(1.0, 170.0), true},
        {"M", "number of bad elements", Interval(1.0, 170.0), true},
        {"SZ", "size of sample", Interval(1.0, 170.0), true},
    };
    return table;
}
} // namespace

bool CDistHypergeometric::Validate(std::string& message) const
{
    if (!VDistribution::Validate(message)) {
        return false;
    }
    if (m_sampleSize > m_good || m_sampleSize > m_bad) {
        message = "Sample size should be smaller than the number of elements in each group.";
        return false;
    }
    if (m_good + m_bad > MaxFactorialArgument()) {
        message = "Total number of elements should be less than 170";
        return false;
    }
    return true;
}

Interval CDistHypergeometric::GetSupport() const
{
    return Interval(0.0, m_sampleSize);
}

Interval CDistHypergeometric::GetDensityRange() const
{
    return Interval(0.0, 1.0);
}

const ParameterInfo& CDistHypergeometric::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistHypergeometric::GetParameter(unsigned index) const
{
    return ParameterAt(index, {static_cast<double>(m_good), static_cast<double>(m_bad),
                               static_cast<double>(m_sampleSize)});
}

void CDistHypergeometric::SetParameter(unsigned index, double value)
{
    std::int32_t* const members[] = {&m_good, &m_bad, &m_sampleSize};
    if (index < 3) {
        *members[index] = TruncateToInt32(value);
    }
}

// Inversion over the mass: one uniform, the first k whose cumulative mass
// exceeds it. At most 171 terms, since good + bad is at most 170.
double CDistHypergeometric::Sample(CUnitStream& stream) const
{
    const double u = stream.NextUnit();
    double cumulative = 0.0;
    for (std::int32_t k = 0; k < m_sampleSize; ++k) {
        cumulative += Probability(k);
        if (u < cumulative) {
            return k;
        }
    }
    return m_sampleSize; // the remaining mass, and any rounding shortfall
}

// P(k) = C(M, SZ - k) C(N, k) / C(N + M, SZ)
double CDistHypergeometric::Probability(int k) const
{
    if (k < 0 || k > m_sampleSize || k > m_good || m_sampleSize - k > m_bad) {
        return 0.0;
    }
    return BinomialCoefficient(m_bad, m_sampleSize - k) * BinomialCoefficient(m_good, k) /
           BinomialCoefficient(m_good + m_bad, m_sampleSize);
}

} // namespace qdists
