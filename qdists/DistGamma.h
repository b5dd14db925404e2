#pragma once
#include "qdists/ContinuousDistribution.h"

namespace qdists {

// Shape alpha, scale theta.
class CDistGamma : public VContinuousDistribution {
public:
    CDistGamma(double alpha, double theta) : m_alpha(alpha), m_theta(theta) {}

    const char* GetName() const override;
    Interval GetSupport() const override;
    Interval GetDensityRange() const override;
    unsigned GetBitmapId() const override;
    unsigned GetParameterCount() const override { return 2; }
    const ParameterInfo& GetParameterInfo(unsigned index) const override;
    double GetParameter(unsigned index) const override;
    void SetParameter(unsigned index, double value) override;

    double Quantile(double p) const override;
    double Density(double x) const override;
    double Cumulative(double x) const override;
    void GetGraphRanges(Interval& x, Interval& y) const override;

private:
    double m_alpha;
    double m_theta;
};

} // namespace qdists
