#pragma once
#include <cstdint>
#include <string>
#include <utility>

#include "qdists/DistributionList.h"
#include "uniform/MersenneTwister.h"
#include "uniform/UnitStream.h"

// The engine facade: a main stream for uniform numbers and a distribution
// stream, a copy of the main stream taken at seeding time, for variates.
class CInternalGenerator {
public:
    // Carries a distribution's validation message to the caller's boundary.
    class argument_error {
    public:
        explicit argument_error(std::string text) : message(std::move(text)) {}
        std::string message;
    };

    explicit CInternalGenerator(std::uint32_t seed);

    // Main stream.
    double Next();
    std::int32_t NextBetween(std::int32_t min, std::int32_t max);

    CMersenneTwister& MainStream() { return m_main; }
    CUnitStream& DistributionStream() { return m_distribution; }

    // Distribution stream: each builds and validates a distribution object,
    // throws argument_error with its message, or draws one variate.
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments, \
                             ...)                                                                              \
    qdists::DrawResult<qdists::DrawKind::Kind> Next##Name(STOCHAL_EACH(STOCHAL_PARAMETER, Arguments));
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION
    // Without a peak the triangular distribution is symmetric.
    double NextTriangular(double min, double max);

private:
    CMersenneTwister m_main;
    CUnitStream m_distribution;
};

// The process-wide engine, seeded from the clock when the module loads.
extern CInternalGenerator g_generator;
