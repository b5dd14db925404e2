#include "qdists/DistributionCatalog.h"

#include <cctype>

#include "qdists/DistBernoulli.h"
#include "qdists/DistBeta.h"
#include "qdists/DistBinomial.h"
#include "qdists/DistBurr.h"
#include "qdists/DistExponential.h"
#include "qdists/DistGamma.h"
#include "qdists/DistGeometric.h"
#include "qdists/DistHypergeometric.h"
#include "qdists/DistLognormal.h"
#include "qdists/DistNegativeBinomial.h"
#include "qdists/DistNormal.h"
#include "qdists/DistPareto.h"
#include "qdists/DistPoisson.h"
#include "qdists/DistTriangular.h"
#include "qdists/DistUniform.h"
#include "qdists/DistWeibull.h"

namespace qdists {

std::unique_ptr<VDistribution> CreateInitialDistribution(unsigned index)
{
    switch (index) {
    case 0: return std::make_unique<CDistBernoulli>(0.5);
    case 1: return std::make_unique<CDistBeta>(1.0, 1.0, 1.0);
    case 2: return std::make_unique<CDistBinomial>(0.5, 10);
    case 3: return std::make_unique<CDistBurr>(1.0, 1.0, 1.0);
    case 4: return std::make_unique<CDistExponential>(1.0);
    case 5: return std::make_unique<CDistGamma>(1.0, 1.0);
    case 6: return std::make_unique<CDistGeometric>(0.5);
    case 7: return std::make_unique<CDistHypergeometric>(10, 20, 5);
    case 8: return std::make_unique<CDistLognormal>(0.0, 1.0);
    case 9: return std::make_unique<CDistNegativeBinomial>(0.5, 3);
    case 10: return std::make_unique<CDistNormal>(0.0, 1.0);
    case 11: return std::make_unique<CDistPareto>(1.0, 1.0);
    case 12: return std::make_unique<CDistPoisson>(1.0);
    case 13: return std::make_unique<CDistTriangular>(0.0, 1.0, 0.5);
    case 14: return std::make_unique<CDistUniform>(0.0, 1.0);
    case 15: return std::make_unique<CDistWeibull>(1.0, 1.0);
    default: return nullptr;
    }
}

namespace {
std::string Folded(const std::string& name)
{
    std::string folded;
    for (char c : name) {
        if (c != ' ') {
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return folded;
}
} // namespace

std::unique_ptr<VDistribution> CreateInitialDistribution(const std::string& name)
{
    const std::string wanted = Folded(name);
    for (unsigned i = 0; i < kDistributionCount; ++i) {
        auto distribution = CreateInitialDistribution(i);
        if (Folded(distribution->GetName()) == wanted) {
            return distribution;
        }
    }
    return nullptr;
}

} // namespace qdists
