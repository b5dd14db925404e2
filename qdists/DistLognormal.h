#pragma once
#include "qdists/ContinuousDistribution.h"

namespace qdists {

// ln X is normal with mean mu and standard deviation sigma.
class CDistLognormal : public VContinuousDistribution {
public:
    CDistLognormal(double mu, double sigma) : m_mu(mu), m_sigma(sigma) {}

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
    void AddGraphPoints(std::vector<double>& xs) const override;

private:
    double Mode() const;

    double m_mu;
    double m_sigma;
};

} // namespace qdists
