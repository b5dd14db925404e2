#include "qdists/DistBernoulli.h"

namespace qdists {

namespace {
const ParameterInfo* Parameters()
{
    static const ParameterInfo table[] = {
        {"p", "probability of success", Interval(0.0, 1.0), false},
    };
    return table;
}
} // namespace

Interval CDistBernoulli::GetSupport() const
{
    return Interval(0.0, 1.0);
}

Interval CDistBernoulli::GetDensityRange() const
{
    return Interval(0.0, 1.0);
}

const ParameterInfo& CDistBernoulli::GetParameterInfo(unsigned index) const
{
    return InfoAt(Parameters(), GetParameterCount(), index);
}

double CDistBernoulli::GetParameter(unsigned index) const
{
    return ParameterAt(index, {m_p});
}

void CDistBernoulli::SetParameter(unsigned index, double value)
{
    StoreParameter(index, value, {&m_p});
}

// u < p, so p = 0 always gives 0 and p = 1 always gives 1.
double CDistBernoulli::Sample(CUnitStream& stream) const
{
    return stream.NextUnit() < m_p ? 1.0 : 0.0;
}

// P(1) = p, P(0) = 1 - p
double CDistBernoulli::Probability(int k) const
{
    if (k == 0) {
        return 1.0 - m_p;
    }
    return k == 1 ? m_p : 0.0;
}

bool CDistBernoulli::SampleFailure(CUnitStream& stream) const
{
    return Sample(stream) == 0.0;
}

} // namespace qdists
