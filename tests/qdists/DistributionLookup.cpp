#include "tests/qdists/DistributionLookup.h"

#include <algorithm>
#include <stdexcept>

#include "qdists/DistributionCatalog.h"
#include "uniform/UnitStream.h"

std::string CompactName(const qdists::VDistribution& distribution)
{
    std::string name = distribution.GetName();
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    return name;
}

std::unique_ptr<qdists::VDistribution> MakeDistribution(const std::string& compactName,
                                                         const std::vector<double>& parameters)
{
    auto distribution = qdists::CreateInitialDistribution(compactName);
    if (!distribution) {
        throw std::invalid_argument("no distribution named " + compactName);
    }
    for (unsigned k = 0; k < parameters.size(); ++k) {
        distribution->SetParameter(k, parameters[k]);
    }
    return distribution;
}

std::vector<double> SeededDraws(const qdists::VDistribution& distribution, std::uint32_t seed, int count)
{
    CUnitStream stream{CMersenneTwister(seed)};
    std::vector<double> draws;
    for (int i = 0; i < count; ++i) {
        draws.push_back(distribution.Sample(stream));
    }
    return draws;
}
