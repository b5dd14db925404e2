#pragma once
#include "qdists/ContinuousDistribution.h"

namespace qdists {

class CDistTriangular : public VContinuousDistribution {
public:
    CDistTriangular(double min, double max, double peak) : m_min(min), m_max(max), m_peak(peak) {}

    // The peak of a symmetric distribution, taken when none is given.
    static double Halfway(double min, double max) { return (min + max) * 0.5; }

    const char* GetName() const override;
    Interval GetSupport() const override;
    Interval GetDensityRange() const override;
    unsigned GetBitmapId() const override;
    bool Validate(std::string& message) const override;
    unsigned GetParameterCount() const override { return 3; }
    const ParameterInfo& GetParameterInfo(unsigned index) const override;
    double GetParameter(unsigned index) const override;
    void SetParameter(unsigned index, double value) override;

    double DrawQuantile(double u) const override;
    double Quantile(double p) const override;
    double Density(double x) const override;
    double Cumulative(double x) const override;
    void GetGraphRanges(Interval& x, Interval& y) const override;
    void AddGraphPoints(std::vector<double>& xs) const override;

private:
    // The quantile, with the square roots taken apart wherever keepsProduct
    // refuses the product under the root.
    double Inverse(double p, bool (*keepsProduct)(double)) const;

    double m_min;
    double m_max;
    double m_peak;
};

} // namespace qdists
