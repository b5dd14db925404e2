#include "tests/qdists/DistributionLookup.h"

#include <algorithm>
#include <stdexcept>

#include "qdists/DistributionCatalog.h"

std::string CompactName(const qdists::VDistribution& distribution)
{
    std::string name = distribution.GetName();
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    return name;
}

std::unique_ptr<qdists::VDistribution> MakeDistribution(const std::string& compactName,
                                                         const std::vector<double>& parameters)
{
    for (unsigned i = 0; i < qdists::kDistributionCount; ++i) {
        auto distribution = qdists::CreateInitialDistribution(i);
        if (CompactName(*distribution) != compactName) {
            continue;
        }
        for (unsigned k = 0; k < parameters.size(); ++k) {
            distribution->SetParameter(k, parameters[k]);
        }
        return distribution;
    }
    throw std::invalid_argument("no distribution named " + compactName);
}
