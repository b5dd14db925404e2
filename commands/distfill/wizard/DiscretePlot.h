#pragma once
#include <functional>
#include <string>
#include <vector>

#include "commands/distfill/wizard/PlotScale.h"
#include "qdists/DiscreteDistribution.h"

namespace chooser {

// The picture of a probability mass function: one bar per integer from
// the support's lower end, at least 20 of them, more until 99 % of the
// probability is shown, never more than 10000.
class CDiscretePlot {
public:
    struct Bar {
        double probability;
        std::string label;
        PixelRect rect;
    };

    // Lengths at 96 DPI.
    static constexpr int kMarginLeft = 2;
    static constexpr int kMarginTop = 5;
    static constexpr int kMarginRight = 2;
    static constexpr int kMarginBottom = 2;
    static constexpr int kTickLength = 3;
    static constexpr int kYLabelWidth = 30;
    static constexpr int kXLabelHeight = 18;
    static constexpr int kBarGap = 3;
    static constexpr int kLabelBoxWidth = 20;
    static constexpr int kLabelBoxHeight = 13;
    static constexpr size_t kMinBars = 20;
    static constexpr size_t kMaxBars = 10000;
    static constexpr double kCoveredProbability = 0.99;

    void Recompute(const qdists::VDiscreteDistribution& distribution, int width, int height, int dpi = kBaseDpi);

    bool Drawable() const { return !m_bars.empty() && m_yStep > 0.0; }
    const std::vector<Bar>& Bars() const { return m_bars; }
    double YTop() const { return m_yTop; }
    double YStep() const { return m_yStep; }
    bool Framed() const { return m_framed; }
    int XOrigin() const { return m_xOrigin; }
    // The vertical axis stands one pixel left of the first bar.
    int AxisColumn() const { return m_xOrigin - 1; }
    int Top() const { return Scaled(kMarginTop); }
    // The row under the plot on which every bar stands.
    int Bottom() const { return m_bottom; }
    int Right() const { return m_width - Scaled(kMarginRight); }
    // A length at 96 DPI, at the plot's DPI.
    int Scaled(int pixelsAt96) const { return ScaledLength(pixelsAt96, m_dpi); }

    // "%0.2f", "%0.1f" or "%f", by the y tick step.
    const char* YLabelFormat() const;
    std::vector<AxisTick> YTicks() const;
    // The bars whose labels are drawn: a label box that would start before
    // the previous drawn one ends is skipped. A label whose text is wider
    // than its box (textWidth, in pixels, when given) counts with its text.
    std::vector<size_t> LabelledBars(const std::function<int(const std::string&)>& textWidth = nullptr) const;
    // The box of bar i's label, under the bar.
    PixelRect LabelBox(size_t index) const;

private:
    void Collect(const qdists::VDiscreteDistribution& distribution);
    void Layout(int width, int height);
    void ScaleY();

    std::vector<Bar> m_bars;
    double m_yTop = 0.0;
    double m_yStep = 0.0;
    bool m_framed = false;
    int m_dpi = kBaseDpi;
    int m_width = 0;
    int m_xOrigin = 0;
    int m_bottom = 0;
};

} // namespace chooser
