#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "qdists/ContinuousDistribution.h"
#include "qdists/DiscreteDistribution.h"

// Test helpers: a distribution of the catalog by its name without spaces
// ("NegativeBinomial"), with the given parameters in index order.
std::unique_ptr<qdists::VDistribution> MakeDistribution(const std::string& compactName,
                                                         const std::vector<double>& parameters);

std::string CompactName(const qdists::VDistribution& distribution);

// The first count draws of a distribution from a stream seeded with seed.
std::vector<double> SeededDraws(const qdists::VDistribution& distribution, std::uint32_t seed, int count);
