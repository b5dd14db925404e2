#pragma once
#include <memory>
#include <string>

#include "qdists/Distribution.h"

namespace qdists {

// One for each line of the list.
constexpr unsigned kDistributionCount = 0
#define STOCHAL_DISTRIBUTION(...) +1
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION
    ;

// The distributions in alphabetical order of their names (the chooser's
// order, which also numbers the thumbnails), each with its initial
// parameters: index 0 is Bernoulli with p = 0.5, the last one Weibull with
// tau = theta = 1. Null for an index at or beyond the count.
std::unique_ptr<VDistribution> CreateInitialDistribution(unsigned index);

// The same by name, ignoring case and blanks ("negativebinomial" finds
// "Negative Binomial"); null when no distribution has that name.
std::unique_ptr<VDistribution> CreateInitialDistribution(const std::string& name);

} // namespace qdists
