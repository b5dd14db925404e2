#pragma once
#include <cstdint>

#include "qdists/DiscreteDistribution.h"

namespace qdists {

// Good elements in a sample drawn without replacement from good + bad.
class CDistHypergeometric : public VDiscreteDistribution {
public:
    CDistHypergeometric(std::int32_t good, std::int32_t bad, std::int32_t sampleSize)
        : m_good(good), m_bad(bad), m_sampleSize(sampleSize)
    {
    }

    const char* GetName() const override;
    Interval GetSupport() const override;
    Interval GetDensityRange() const override;
    unsigned GetBitmapId() const override;
    bool Validate(std::string& message) const override;
    unsigned GetParameterCount() const override { return 3; }
    const ParameterInfo& GetParameterInfo(unsigned index) const override;
    double GetParameter(unsigned index) const override;
    void SetParameter(unsigned index, double value) override;
    double Sample(CUnitStream& stream) const override;
    double Probability(int k) const override;

private:
    std::int32_t m_good;
    std::int32_t m_bad;
    std::int32_t m_sampleSize;
};

} // namespace qdists
