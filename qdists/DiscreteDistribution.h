#pragma once
#include <cstdint>

#include "qdists/Distribution.h"

namespace qdists {

// Distributions over whole numbers; variates are whole numbers held in a
// double.
class VDiscreteDistribution : public VDistribution {
public:
    bool IsDiscrete() const override { return true; }

    virtual double ProbabilityOf(int k) const;
    // The mass at x truncated toward zero.
    virtual double Density(double x) const;
    virtual double Probability(int k) const = 0;
    virtual std::int32_t SampleInteger(CUnitStream& stream) const;
};

} // namespace qdists
