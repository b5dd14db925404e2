#pragma once
#include "qdists/ContinuousDistribution.h"

namespace qdists {

class CDistUniform : public VContinuousDistribution {
public:
    CDistUniform(double min, double max) : m_min(min), m_max(max) {}

    const char* GetName() const override;
    Interval GetSupport() const override;
    Interval GetDensityRange() const override;
    unsigned GetBitmapId() const override;
    bool Validate(std::string& message) const override;
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
    double m_min;
    double m_max;
};

} // namespace qdists
