#include "commands/distfill/wizard/DiscretePlot.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace chooser {

namespace {
constexpr double kTickSlack = 1.01;
// A tick step holds more than this many steps of the top when doubled.
constexpr double kMaxYSteps = 10.0;
// Guards the multiple-of-step arithmetic against a quotient such as
// 0.3 / 0.1 = 2.9999999999999996.
constexpr double kQuotientSlack = 1e-9;
// A bar narrower than this loses its frame.
constexpr int kMinFramedWidth = 5;
constexpr int kMinBarWidth = 3;

int FirstInteger(double lower)
{
    if (lower <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (lower >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(lower);
}

std::string IntegerLabel(int k)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", k);
    return text;
}
} // namespace

void CDiscretePlot::Recompute(const qdists::VDiscreteDistribution& distribution, int width, int height, int dpi)
{
    m_dpi = dpi;
    m_bars.clear();
    m_yTop = m_yStep = 0.0;
    m_framed = false;
    std::string message;
    if (!distribution.Validate(message))
        return;
    Collect(distribution);
    Layout(width, height);
}

void CDiscretePlot::Collect(const qdists::VDiscreteDistribution& distribution)
{
    const qdists::Interval support = distribution.GetSupport();
    double cumulative = 0.0;
    for (int k = FirstInteger(support.lower());
         (cumulative < kCoveredProbability || m_bars.size() < kMinBars) && support.lower() <= k && k <= support.upper();
         ++k) {
        const double p = distribution.Probability(k);
        m_bars.push_back(Bar{p, IntegerLabel(k), PixelRect{}});
        cumulative += p;
        if (m_bars.size() == kMaxBars || k == INT_MAX)
            break;
    }
}

void CDiscretePlot::ScaleY()
{
    double pMax = 0.0;
    for (const Bar& bar : m_bars)
        pMax = std::max(pMax, bar.probability);
    double step = 1.0;
    if (0.1 <= pMax && pMax <= 1.0)
        step = 0.1;
    else if (0.01 <= pMax && pMax < 0.1)
        step = 0.01;
    else if (0.001 <= pMax && pMax < 0.01)
        step = 0.001;
    m_yTop = (std::floor(pMax / step + kQuotientSlack) + 1.0) * step;
    m_yStep = m_yTop / step > kMaxYSteps + kQuotientSlack ? 2.0 * step : step;
}

void CDiscretePlot::Layout(int width, int height)
{
    m_width = width;
    ScaleY();
    const int plotHeight = height - Scaled(kXLabelHeight) - Scaled(kMarginBottom) - Scaled(kMarginTop);
    m_xOrigin = Scaled(kYLabelWidth) + Scaled(kMarginLeft) + Scaled(kMarginTop);
    m_bottom = Scaled(kMarginTop) + plotHeight + 1;
    const int plotWidth = width - Scaled(kMarginRight) - m_xOrigin;
    const double slot = static_cast<double>(plotWidth) / static_cast<double>(m_bars.size());
    const int slotPixels = TruncatePixel(slot);
    const int gap = Scaled(kBarGap);
    m_framed = slotPixels - gap >= Scaled(kMinFramedWidth);
    for (size_t i = 0; i < m_bars.size(); ++i) {
        Bar& bar = m_bars[i];
        int left = 0;
        int barWidth = 0;
        if (m_framed) {
            barWidth = slotPixels - gap;
            left = m_xOrigin + static_cast<int>(i) * slotPixels;
        } else {
            barWidth = std::max(slotPixels, Scaled(kMinBarWidth));
            left = m_xOrigin + TruncatePixel(static_cast<double>(i) * slot);
        }
        const int barHeight = TruncatePixel(std::floor(bar.probability * plotHeight / m_yTop));
        bar.rect = PixelRect{left, m_bottom - barHeight, left + barWidth, m_bottom};
    }
}

const char* CDiscretePlot::YLabelFormat() const
{
    if (0.01 - kQuotientSlack <= m_yStep && m_yStep <= 0.09 + kQuotientSlack)
        return "%0.2f";
    if (0.1 - kQuotientSlack <= m_yStep && m_yStep <= 0.9 + kQuotientSlack)
        return "%0.1f";
    return "%f";
}

std::vector<AxisTick> CDiscretePlot::YTicks() const
{
    std::vector<AxisTick> ticks;
    if (!Drawable())
        return ticks;
    const int plotHeight = m_bottom - 1 - Scaled(kMarginTop);
    for (int i = 1; i * m_yStep <= kTickSlack * m_yTop; ++i) {
        const double value = i * m_yStep;
        ticks.push_back({m_bottom - TruncatePixel(std::floor(value * plotHeight / m_yTop)), value});
    }
    return ticks;
}

PixelRect CDiscretePlot::LabelBox(size_t index) const
{
    const PixelRect& bar = m_bars[index].rect;
    const int boxWidth = Scaled(kLabelBoxWidth);
    const int left = (bar.left + bar.right) / 2 - boxWidth / 2;
    const int top = m_bottom + Scaled(kTickLength);
    return PixelRect{left, top, left + boxWidth, top + Scaled(kLabelBoxHeight)};
}

std::vector<size_t> CDiscretePlot::LabelledBars(const std::function<int(const std::string&)>& textWidth) const
{
    std::vector<size_t> labelled;
    int previousRight = INT_MIN;
    for (size_t i = 0; i < m_bars.size(); ++i) {
        const PixelRect box = LabelBox(i);
        const int width = textWidth ? std::max(box.Width(), textWidth(m_bars[i].label)) : box.Width();
        const int left = (box.left + box.right - width) / 2;
        if (left >= previousRight) {
            labelled.push_back(i);
            previousRight = left + width;
        }
    }
    return labelled;
}

} // namespace chooser
