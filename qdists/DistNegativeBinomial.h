#pragma once
#include <cstdint>

#include "qdists/DiscreteDistribution.h"

namespace qdists {

// Failures before the r-th success in trials of probability p.
class CDistNegativeBinomial : public VDiscreteDistribution {
public:
    CDistNegativeBinomial(double p, std::int32_t r) : m_p(p), m_r(r) {}

    const char* GetName() const override;
    Interval GetSupport() const override;
    Interval GetDensityRange() const override;
    unsigned GetBitmapId() const override;
    bool Validate(std::string& message) const override;
    unsigned GetParameterCount() const override { return 2; }
    const ParameterInfo& GetParameterInfo(unsigned index) const override;
    double GetParameter(unsigned index) const override;
    void SetParameter(unsigned index, double value) override;
    double Sample(CUnitStream& stream) const override;
    double Probability(int k) const override;

private:
    double m_p;
    std::int32_t m_r;
};

} // namespace qdists
