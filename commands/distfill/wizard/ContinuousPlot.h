#pragma once
#include <map>
#include <vector>

#include "commands/distfill/wizard/PlotScale.h"
#include "qdists/ContinuousDistribution.h"

namespace chooser {

// The picture of a density: sampled points, axes and ticks laid out in
// pixels for a window of a given client size and DPI. It is rebuilt only by
// Recompute; painting reads it.
class CContinuousPlot {
public:
    // At 96 DPI.
    static constexpr int kMarginLeft = 2;
    static constexpr int kMarginTop = 5;
    static constexpr int kMarginRight = 2;
    static constexpr int kMarginBottom = 30;
    // Room the y labels take when the axis moves in from an edge.
    static constexpr int kAxisInset = 30;

    void Recompute(const qdists::VContinuousDistribution& distribution, int width, int height, int dpi = kBaseDpi);

    // Fewer than two points, or no usable y step, leave only the background.
    bool Drawable() const { return m_points.size() > 1 && m_yStep > 0.0; }

    const std::map<double, double>& Points() const { return m_points; }
    const std::vector<AxisTick>& XTicks() const { return m_xTicks; }
    // y ticks from one step up to just above the top, as pixel rows.
    std::vector<AxisTick> YTicks() const;
    // The curve's points in pixels, in x order.
    std::vector<std::pair<int, int>> CurvePixels() const;

    const PixelRect& Plot() const { return m_plot; }
    double YTop() const { return m_yTop; }
    double YStep() const { return m_yStep; }
    int AxisX() const { return m_axisX; }
    bool LabelsLeft() const { return m_labelsLeft; }
    double XLower() const { return m_xLower; }
    double XUpper() const { return m_xUpper; }

private:
    void Sample(const qdists::VContinuousDistribution& distribution);
    void Layout(int width, int height, int dpi);
    void ScaleY();
    void PlaceAxis(double xStep, int axisInset);
    int ColumnOf(double x) const;

    std::map<double, double> m_points;
    std::vector<AxisTick> m_xTicks;
    PixelRect m_plot;
    double m_yTop = 0.0;
    double m_yStep = 0.0;
    int m_axisX = 0;
    bool m_labelsLeft = true;
    double m_xLower = 0.0;
    double m_xUpper = 0.0;
};

} // namespace chooser
