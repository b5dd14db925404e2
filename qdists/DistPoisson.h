#pragma once
#include "qdists/DiscreteDistribution.h"

namespace qdists {

// Mean lambda; sampled by the method of Ahrens and Dieter (1982).
class CDistPoisson : public VDiscreteDistribution {
public:
    explicit CDistPoisson(double lambda) : m_lambda(lambda) {}

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
    double m_lambda;
};

} // namespace qdists
