#pragma once
#include "qdists/DiscreteDistribution.h"

namespace qdists {

// 1 with probability p, else 0.
class CDistBernoulli : public VDiscreteDistribution {
public:
    explicit CDistBernoulli(double p) : m_p(p) {}

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

    // True when the variate drawn is 0.
    virtual bool SampleFailure(CUnitStream& stream) const;

private:
    double m_p;
};

} // namespace qdists
