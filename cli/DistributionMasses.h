#pragma once
#include "qdists/DiscreteDistribution.h"

namespace cli {

// The cumulative function and quantile of a discrete distribution, from its
// masses summed upwards from the lower end of its support. The sums stop
// early where the masses have fallen to 0 past their peak, and give up
// (std::runtime_error) after kMaxTerms masses.
constexpr long long kMaxTerms = 100000000;

// The mass at x, 0 where x is not a whole number.
double DiscreteMass(const qdists::VDiscreteDistribution& distribution, double x);
// The sum of the masses up to x.
double DiscreteCumulative(const qdists::VDiscreteDistribution& distribution, double x);
// The smallest k whose cumulative function reaches p, p in [0, 1]; where
// rounding keeps the sum below p, the last k with a positive mass.
long long DiscreteQuantile(const qdists::VDiscreteDistribution& distribution, double p);

} // namespace cli
