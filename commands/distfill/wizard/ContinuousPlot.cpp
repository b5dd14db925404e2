#include "commands/distfill/wizard/ContinuousPlot.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace chooser {

namespace {
// One hundredth of the x range between regular positions.
constexpr double kStepFraction = 0.01;
// Positions are lower + i x step, so a range too narrow for its magnitude
// (where adding the step changes nothing) still ends.
constexpr int kMaxRegularPositions = 101;
// y top grows by this factor until it clears the highest point by 10 %.
constexpr double kTopGrowth = 1.5;
constexpr double kTopHeadroom = 1.1;
// The x axis holds at least this many steps.
constexpr double kMinXSteps = 8.0;
// Ticks are drawn up to just above the top, for rounding.
constexpr double kTickSlack = 1.01;
} // namespace

void CContinuousPlot::Recompute(const qdists::VContinuousDistribution& distribution, int width, int height, int dpi)
{
    m_points.clear();
    m_xTicks.clear();
    m_yTop = m_yStep = 0.0;
    m_xLower = m_xUpper = 0.0;
    m_plot = PixelRect{};
    std::string message;
    if (!distribution.Validate(message))
        return;
    Sample(distribution);
    if (m_points.size() > 1)
        Layout(width, height, dpi);
}

void CContinuousPlot::Sample(const qdists::VContinuousDistribution& distribution)
{
    qdists::Interval x(0.0, 0.0);
    qdists::Interval y(0.0, 0.0);
    distribution.GetGraphRanges(x, y);
    m_xLower = x.lower();
    m_xUpper = x.upper();
    m_yTop = y.upper();

    std::vector<double> positions;
    distribution.AddGraphPoints(positions);
    const double step = (m_xUpper - m_xLower) * kStepFraction;
    for (int i = 0; i < kMaxRegularPositions; ++i) {
        const double position = m_xLower + i * step;
        if (!(position < m_xUpper))
            break;
        positions.push_back(position);
    }
    std::sort(positions.begin(), positions.end());
    for (double position : positions) {
        const double density = distribution.Density(position);
        if (std::isfinite(density))
            m_points[position] = density;
    }
}

void CContinuousPlot::Layout(int width, int height, int dpi)
{
    m_plot = PixelRect{ScaledLength(kMarginLeft, dpi), ScaledLength(kMarginTop, dpi),
                       width - ScaledLength(kMarginRight, dpi), height - ScaledLength(kMarginBottom, dpi)};
    ScaleY();
    const double xWidth = m_xUpper - m_xLower;
    double xStep = PowerOfTenBelow(xWidth);
    while (xStep > 0.0 && xWidth / xStep < kMinXSteps)
        xStep /= 2.0;
    PlaceAxis(xStep, ScaledLength(kAxisInset, dpi));
}

void CContinuousPlot::ScaleY()
{
    double yMax = 0.0;
    for (const auto& point : m_points)
        yMax = std::max(yMax, point.second);
    if (m_yTop == 0.0) {
        m_yStep = PowerOfTenBelow(yMax);
        m_yTop = m_yStep;
        while (m_yTop > 0.0 && m_yTop < kTopHeadroom * yMax)
            m_yTop *= kTopGrowth;
    } else {
        m_yStep = PowerOfTenBelow(m_yTop);
    }
}

// The vertical axis stands at x = 0 when the range holds 0 to its left,
// else at an edge moved in to make room for the labels; a range starting
// at 0 counts as starting right of it, so its labels stay inside the window.
void CContinuousPlot::PlaceAxis(double xStep, int axisInset)
{
    const double xWidth = m_xUpper - m_xLower;
    if (m_xLower < 0.0 && 0.0 <= m_xUpper) {
        const int offset = TruncatePixel(-m_xLower / xWidth * m_plot.Width());
        m_axisX = std::min(m_plot.left + offset, m_plot.right);
        m_labelsLeft = offset >= axisInset;
        if (xStep <= 0.0)
            return;
        m_xTicks.push_back({ColumnOf(0.0), 0.0});
        for (int i = 1; -i * xStep > m_xLower; ++i)
            m_xTicks.push_back({ColumnOf(-i * xStep), -i * xStep});
        for (int i = 1; i * xStep < m_xUpper; ++i)
            m_xTicks.push_back({ColumnOf(i * xStep), i * xStep});
        return;
    }
    if (m_xLower >= 0.0) {
        m_plot.left += axisInset;
        m_axisX = m_plot.left;
        m_labelsLeft = true;
    } else {
        m_plot.right -= axisInset;
        m_axisX = m_plot.right;
        m_labelsLeft = false;
    }
    if (xStep <= 0.0)
        return;
    const double first = m_xLower - std::fmod(m_xLower, xStep) + xStep;
    for (int i = 0; first + i * xStep <= m_xUpper; ++i)
        m_xTicks.push_back({ColumnOf(first + i * xStep), first + i * xStep});
}

int CContinuousPlot::ColumnOf(double x) const
{
    return m_plot.left + TruncatePixel((x - m_xLower) / (m_xUpper - m_xLower) * m_plot.Width());
}

std::vector<AxisTick> CContinuousPlot::YTicks() const
{
    std::vector<AxisTick> ticks;
    if (!Drawable())
        return ticks;
    for (int i = 1; i * m_yStep <= kTickSlack * m_yTop; ++i) {
        const double value = i * m_yStep;
        ticks.push_back({m_plot.bottom - TruncatePixel(value / m_yTop * m_plot.Height()), value});
    }
    return ticks;
}

std::vector<std::pair<int, int>> CContinuousPlot::CurvePixels() const
{
    std::vector<std::pair<int, int>> pixels;
    if (!Drawable())
        return pixels;
    for (const auto& point : m_points)
        pixels.emplace_back(ColumnOf(point.first),
                            m_plot.bottom - TruncatePixel(point.second / m_yTop * m_plot.Height()));
    return pixels;
}

} // namespace chooser
