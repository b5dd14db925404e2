#include "commands/distfill/wizard/Thumbnail.h"

#include "commands/distfill/wizard/ContinuousPlot.h"
#include "commands/distfill/wizard/DiscretePlot.h"

namespace chooser {

namespace {
constexpr int kOversample = 2;
constexpr Rgb kBackground{255, 255, 255};
constexpr Rgb kAxis{64, 64, 64};
constexpr Rgb kFill{0, 255, 0};
constexpr Rgb kFrame{0, 0, 0};
constexpr int kTick = 3 * kOversample;
constexpr int kAxisPen = kOversample;
constexpr int kCurvePen = 2 * kOversample;

void DrawContinuous(const qdists::VContinuousDistribution& distribution, CRasterImage& image)
{
    CContinuousPlot plot;
    plot.Recompute(distribution, image.Width(), image.Height());
    if (!plot.Drawable())
        return;
    const PixelRect& area = plot.Plot();
    image.Line(plot.AxisX(), area.top, plot.AxisX(), area.bottom, kAxisPen, kAxis);
    image.Line(area.left, area.bottom, area.right, area.bottom, kAxisPen, kAxis);
    const int tickEnd = plot.LabelsLeft() ? plot.AxisX() - kTick : plot.AxisX() + kTick;
    for (const AxisTick& tick : plot.YTicks())
        image.Line(plot.AxisX(), tick.pixel, tickEnd, tick.pixel, kAxisPen, kAxis);
    for (const AxisTick& tick : plot.XTicks())
        image.Line(tick.pixel, area.bottom, tick.pixel, area.bottom + kTick, kAxisPen, kAxis);
    const auto curve = plot.CurvePixels();
    for (size_t i = 1; i < curve.size(); ++i)
        image.Line(curve[i - 1].first, curve[i - 1].second, curve[i].first, curve[i].second, kCurvePen, kFill);
}

void DrawDiscrete(const qdists::VDiscreteDistribution& distribution, CRasterImage& image)
{
    CDiscretePlot plot;
    plot.Recompute(distribution, image.Width(), image.Height());
    if (!plot.Drawable())
        return;
    for (const auto& bar : plot.Bars()) {
        image.FillRect(bar.rect, kFill);
        if (plot.Framed() && bar.rect.Height() > 0)
            image.FrameRect(bar.rect, kFrame);
    }
    image.Line(plot.AxisColumn(), plot.Top(), plot.AxisColumn(), plot.Bottom(), kAxisPen, kAxis);
    image.Line(plot.AxisColumn(), plot.Bottom(), plot.Right(), plot.Bottom(), kAxisPen, kAxis);
    for (const AxisTick& tick : plot.YTicks())
        image.Line(plot.AxisColumn() - kTick, tick.pixel, plot.AxisColumn(), tick.pixel, kAxisPen, kAxis);
}
} // namespace

CRasterImage RenderThumbnail(const qdists::VDistribution& distribution)
{
    CRasterImage large(kThumbnailWidth * kOversample, kThumbnailHeight * kOversample, kBackground);
    if (distribution.IsDiscrete())
        DrawDiscrete(static_cast<const qdists::VDiscreteDistribution&>(distribution), large);
    else
        DrawContinuous(static_cast<const qdists::VContinuousDistribution&>(distribution), large);
    return large.HalfSize();
}

} // namespace chooser

namespace chooser {

std::string ThumbnailFileName(const qdists::VDistribution& distribution)
{
    std::string name = "Dist";
    for (const char* c = distribution.GetName(); *c; ++c) {
        if (*c != ' ')
            name += *c;
    }
    return name + ".bmp";
}

} // namespace chooser
