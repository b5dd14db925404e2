// The distribution operations of the engine facade: build the distribution
// object, validate it, and draw one variate from the distribution stream.
// Nothing is drawn when validation fails.
#include <string>

#include "engine/InternalGenerator.h"
#include "qdists/DistributionClasses.h"

namespace {

template <qdists::DrawKind kind>
qdists::DrawResult<kind> Draw(const qdists::VDistribution& distribution, CUnitStream& stream)
{
    std::string message;
    if (!distribution.Validate(message)) {
        throw CInternalGenerator::argument_error(message);
    }
    return qdists::DrawTraits<kind>::From(distribution.Sample(stream));
}

} // namespace

#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments, \
                             ...)                                                                              \
    qdists::DrawResult<qdists::DrawKind::Kind> CInternalGenerator::Next##Name(                                 \
        STOCHAL_EACH(STOCHAL_PARAMETER, Arguments))                                                            \
    {                                                                                                          \
        return Draw<qdists::DrawKind::Kind>(qdists::Make##Name(STOCHAL_EACH(STOCHAL_NAME, Arguments)),          \
                                            m_distribution);                                                   \
    }
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION

double CInternalGenerator::NextTriangular(double min, double max)
{
    return NextTriangular(min, max, qdists::CDistTriangular::Halfway(min, max));
}
