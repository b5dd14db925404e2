#pragma once
#include "qdists/DiscreteDistribution.h"

namespace qdists {

// Trials up to and including the first success, of probability p.
class CDistGeometric : public VDiscreteDistribution {
public:
    explicit CDistGeometric(double p) : m_p(p) {}

    const char* GetName() const override;
    Interval GetSupport() const override;
    Interval GetDensityRange() const override;
    unsigned GetBitmapId() const override;
    unsigned GetParameterCount() const override { return 1; }
    const ParameterInfo& GetParameterInfo(unsigned index) const override;
    double GetParameter(unsigned index) const override;
    void SetParameter(unsigned index, double value) override;
    double Sample(CUnitStream& stream) const override;
    double Probability(int k) const override;

private:
    double m_p;
};

} // namespace qdists
