#include "qdists/ContinuousDistribution.h"

#include <cmath>

namespace qdists {

namespace {
bool IsOpenEnd(double end)
{
    return !std::isfinite(end) || std::fabs(end) == kMaxDouble;
}

constexpr double kHighGraphQuantile = 0.98;
constexpr double kUnboundedDensityTop = 5.0;
} // namespace

double VContinuousDistribution::Sample(CUnitStream& stream) const
{
    return DrawQuantile(stream.NextUnit());
}

double VContinuousDistribution::DrawQuantile(double u) const
{
    return Quantile(u);
}

bool VContinuousDistribution::CheckMaximumAboveMinimum(double min, double max, std::string& message)
{
    if (min < max) {
        return true;
    }
    message = "The maximum has to be greater than the minimum.";
    return false;
}

bool VContinuousDistribution::GraphStartsAtZero(double min, double max)
{
    constexpr double kNearZeroWidths = 1.5;
    return min > 0.0 && min / (max - min) < kNearZeroWidths;
}

void VContinuousDistribution::AddGraphPoints(std::vector<double>&) const {}

void VContinuousDistribution::GraphRangesFromSupport(Interval& x, Interval& y) const
{
    const Interval support = GetSupport();
    const double lower = IsOpenEnd(support.lower()) ? Quantile(kLowGraphQuantile) : support.lower();
    const double upper = IsOpenEnd(support.upper()) ? Quantile(kHighGraphQuantile) : support.upper();
    x = Interval(lower, upper);
    const Interval density = GetDensityRange();
    y = IsOpenEnd(density.upper()) ? Interval(0.0, kUnboundedDensityTop) : density;
}

} // namespace qdists
