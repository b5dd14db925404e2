#include "commands/distfill/wizard/Thumbnail.h"

#include "commands/distfill/wizard/ContinuousPlot.h"
#include "commands/distfill/wizard/DiscretePlot.h"
#include "commands/distfill/wizard/GridGeometry.h"

namespace chooser {

namespace {
constexpr int kOversample = 2;
constexpr Rgb kBackground{255, 255, 255};
constexpr Rgb kAxis{64, 64, 64};
constexpr Rgb kFill{0, 255, 0};
constexpr Rgb kFrame{0, 0, 0};
// At 96 DPI, before oversampling.
constexpr int kTick = 3;
constexpr int kAxisPen = 1;
constexpr int kCurvePen = 2;
constexpr int kBarFrame = 1;

// The pens of one picture, in oversampled pixels.
struct Pens {
    explicit Pens(int dpi)
        : tick(ScaledLength(kTick, dpi) * kOversample), axis(ScaledLength(kAxisPen, dpi) * kOversample),
          curve(ScaledLength(kCurvePen, dpi) * kOversample), barFrame(ScaledLength(kBarFrame, dpi))
    {
    }
    int tick;
    int axis;
    int curve;
    // Half a pixel at 96 DPI, as the shipped pictures have it.
    int barFrame;
};

// The plot model lays out its margins at dpi in the oversampled picture,
// as the shipped 96-DPI pictures were drawn.
void DrawContinuous(const qdists::VContinuousDistribution& distribution, int dpi, CRasterImage& image)
{
    CContinuousPlot plot;
    plot.Recompute(distribution, image.Width(), image.Height(), dpi);
    if (!plot.Drawable())
        return;
    const Pens pens(dpi);
    const PixelRect& area = plot.Plot();
    image.Line(plot.AxisX(), area.top, plot.AxisX(), area.bottom, pens.axis, kAxis);
    image.Line(area.left, area.bottom, area.right, area.bottom, pens.axis, kAxis);
    const int tickEnd = plot.LabelsLeft() ? plot.AxisX() - pens.tick : plot.AxisX() + pens.tick;
    for (const AxisTick& tick : plot.YTicks())
        image.Line(plot.AxisX(), tick.pixel, tickEnd, tick.pixel, pens.axis, kAxis);
    for (const AxisTick& tick : plot.XTicks())
        image.Line(tick.pixel, area.bottom, tick.pixel, area.bottom + pens.tick, pens.axis, kAxis);
    const auto curve = plot.CurvePixels();
    for (size_t i = 1; i < curve.size(); ++i)
        image.Line(curve[i - 1].first, curve[i - 1].second, curve[i].first, curve[i].second, pens.curve, kFill);
}

void DrawDiscrete(const qdists::VDiscreteDistribution& distribution, int dpi, CRasterImage& image)
{
    CDiscretePlot plot;
    plot.Recompute(distribution, image.Width(), image.Height(), dpi);
    if (!plot.Drawable())
        return;
    const Pens pens(dpi);
    for (const auto& bar : plot.Bars()) {
        image.FillRect(bar.rect, kFill);
        if (plot.Framed() && bar.rect.Height() > 0)
            image.FrameRect(bar.rect, kFrame, pens.barFrame);
    }
    image.Line(plot.AxisColumn(), plot.Top(), plot.AxisColumn(), plot.Bottom(), pens.axis, kAxis);
    image.Line(plot.AxisColumn(), plot.Bottom(), plot.Right(), plot.Bottom(), pens.axis, kAxis);
    for (const AxisTick& tick : plot.YTicks())
        image.Line(plot.AxisColumn() - pens.tick, tick.pixel, plot.AxisColumn(), tick.pixel, pens.axis, kAxis);
}
} // namespace

CRasterImage RenderThumbnail(const qdists::VDistribution& distribution, int dpi)
{
    const GridGeometry grid(dpi);
    CRasterImage large(grid.PictureWidth() * kOversample, grid.PictureHeight() * kOversample, kBackground);
    if (distribution.IsDiscrete())
        DrawDiscrete(static_cast<const qdists::VDiscreteDistribution&>(distribution), dpi, large);
    else
        DrawContinuous(static_cast<const qdists::VContinuousDistribution&>(distribution), dpi, large);
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
