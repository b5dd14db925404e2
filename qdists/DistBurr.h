#pragma once
#include "qdists/ContinuousDistribution.h"

namespace qdists {

// Burr type XII. Parameters in index order are alpha, gamma, theta; the
// constructor and the members take them as alpha, theta, gamma.
class CDistBurr : public VContinuousDistribution {
public:
    CDistBurr(double alpha, double theta, double gamma) : m_alpha(alpha), m_theta(theta), m_gamma(gamma) {}

    const char* GetName() const override;
    Interval GetSupport() const override;
    Interval GetDensityRange() const override;
    unsigned GetBitmapId() const override;
    unsigned GetParameterCount() const override { return 3; }
    const ParameterInfo& GetParameterInfo(unsigned index) const override;
    double GetParameter(unsigned index) const override;
    void SetParameter(unsigned index, double value) override;

    double DrawQuantile(double u) const override;
    double Quantile(double p) const override;
    double Density(double x) const override;
    double Cumulative(double x) const override;
    void GetGraphRanges(Interval& x, Interval& y) const override;

private:
    // The quantile as written, for a p whose 1 - p is exact, and the one
    // formed with expm1 and log1p.
    double WrittenQuantile(double p) const;
    double RearrangedQuantile(double p) const;

    double m_alpha;
    double m_theta;
    double m_gamma;
};

} // namespace qdists
