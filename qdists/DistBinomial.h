#pragma once
#include <cstdint>

#include "qdists/DiscreteDistribution.h"

namespace qdists {

// Successes in n trials of probability p.
class CDistBinomial : public VDiscreteDistribution {
public:
    CDistBinomial(double p, std::int32_t n) : m_p(p), m_n(n) {}

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
    std::int32_t m_n;
};

} // namespace qdists
