#include "cli/DistributionMasses.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace cli {

namespace {

long long LowerEnd(const qdists::VDiscreteDistribution& distribution)
{
    return static_cast<long long>(distribution.GetSupport().lower());
}

// Walks the masses from the lower end. visit(k, mass, sum) returns true to
// stop; the walk also ends once a mass is 0 after some mass has been seen,
// since every distribution here is unimodal. Returns the last k visited.
template <class Visit>
long long WalkMasses(const qdists::VDiscreteDistribution& distribution, long long last, Visit visit)
{
    const long long first = LowerEnd(distribution);
    double sum = 0.0;
    long long k = first;
    for (; k <= last; ++k) {
        if (k - first >= kMaxTerms || k > std::numeric_limits<int>::max()) {
            throw std::runtime_error("the answer lies beyond the first 100000000 values of the support");
        }
        const double mass = distribution.Probability(static_cast<int>(k));
        if (mass == 0.0 && sum > 0.0) {
            return k - 1;
        }
        sum += mass;
        if (visit(k, sum)) {
            return k;
        }
    }
    return k - 1;
}

} // namespace

double DiscreteMass(const qdists::VDiscreteDistribution& distribution, double x)
{
    if (x != std::floor(x) || std::fabs(x) > std::numeric_limits<int>::max()) {
        return 0.0;
    }
    return distribution.Probability(static_cast<int>(x));
}

double DiscreteCumulative(const qdists::VDiscreteDistribution& distribution, double x)
{
    if (std::isnan(x) || x < static_cast<double>(LowerEnd(distribution))) {
        return 0.0;
    }
    const long long last = x >= 9e18 ? std::numeric_limits<long long>::max() : static_cast<long long>(std::floor(x));
    double total = 0.0;
    WalkMasses(distribution, last, [&total](long long, double sum) {
        total = sum;
        return false;
    });
    return total;
}

long long DiscreteQuantile(const qdists::VDiscreteDistribution& distribution, double p)
{
    return WalkMasses(distribution, std::numeric_limits<long long>::max(),
                      [p](long long, double sum) { return sum >= p; });
}

} // namespace cli
