#pragma once
#include "qdists/ContinuousDistribution.h"

namespace qdists {

// Beta distribution stretched onto [0, theta].
class CDistBeta : public VContinuousDistribution {
public:
    CDistBeta(double alpha, double beta, double theta) : m_alpha(alpha), m_beta(beta), m_theta(theta) {}

    const char* GetName() const override;
    Interval GetSupport() const override;
    Interval GetDensityRange() const override;
    unsigned GetBitmapId() const override;
    bool Validate(std::string& message) const override;
    unsigned GetParameterCount() const override { return 3; }
    const ParameterInfo& GetParameterInfo(unsigned index) const override;
    double GetParameter(unsigned index) const override;
    void SetParameter(unsigned index, double value) override;

    double Quantile(double p) const override;
    double Density(double x) const override;
    double Cumulative(double x) const override;
    void GetGraphRanges(Interval& x, Interval& y) const override;

private:
    double m_alpha;
    double m_beta;
    double m_theta;
};

} // namespace qdists
