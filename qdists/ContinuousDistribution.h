#pragma once
#include <vector>

#include "qdists/Distribution.h"

namespace qdists {

// Distributions with a density; all of them sample by inversion.
class VContinuousDistribution : public VDistribution {
public:
    bool IsDiscrete() const override { return false; }

    // DrawQuantile of one uniform from the stream.
    double Sample(CUnitStream& stream) const override;

    // The value a draw takes for the stream uniform u (a multiple of 2^-32
    // in [0, 1)): Quantile, unless a class keeps its closed form as written
    // where Quantile would rearrange it.
    virtual double DrawQuantile(double u) const;

    virtual double Quantile(double p) const = 0;
    virtual double Density(double x) const = 0;
    virtual double Cumulative(double x) const = 0;
    virtual void GetGraphRanges(Interval& x, Interval& y) const = 0;
    // Points the graph must evaluate besides its regular grid (corners,
    // jumps); none by default.
    virtual void AddGraphPoints(std::vector<double>& xs) const;

protected:
    // The 2% quantile at which graphs of an open lower end start.
    static constexpr double kLowGraphQuantile = 0.02;

    // The rules the uniform and triangular share: min strictly below max,
    // and a graph that starts at 0 when a positive min lies within one and
    // a half widths of it.
    static bool CheckMaximumAboveMinimum(double min, double max, std::string& message);
    static bool GraphStartsAtZero(double min, double max);

    // x from the support, with an open or MAX end replaced by the 2% or 98%
    // quantile; y from the density range, or [0, 5] when that is unbounded.
    void GraphRangesFromSupport(Interval& x, Interval& y) const;
};

} // namespace qdists
