#include "qdists/DiscreteDistribution.h"

#include "qdists/IntegerConversion.h"

namespace qdists {

double VDiscreteDistribution::ProbabilityOf(int k) const
{
    return Probability(k);
}

double VDiscreteDistribution::Density(double x) const
{
    return Probability(TruncateToInt32(x));
}

std::int32_t VDiscreteDistribution::SampleInteger(CUnitStream& stream) const
{
    return TruncateToInt32(Sample(stream));
}

} // namespace qdists
