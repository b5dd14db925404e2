#include <algorithm>
#include <cstdio>
#include <vector>

#include "commands/distfill/wizard/GraphWindow.h"

namespace {
// Lengths at 96 DPI.
constexpr int kTick = 3;
// The y label box: 37 x 13, from 5 above the tick's row; 40 left of the
// axis or 4 right of it.
constexpr int kLabelWidth = 37;
constexpr int kLabelAbove = 5;
constexpr int kLabelBelow = 8;
constexpr int kLabelLeftOffset = 40;
constexpr int kLabelRightOffset = 4;
constexpr int kXLabelHalfWidth = 30;
constexpr int kXLabelHeight = 13;
constexpr int kXLabelGap = 1;
constexpr int kCurvePen = 2;
constexpr int kAxisPen = 1;
} // namespace

void CWtlGraphContinuous::Paint(HDC dc, const RECT& client) const
{
    CGdiObject<HBRUSH> background(CreateSolidBrush(kBackground));
    FillRect(dc, &client, background.Get());
    if (!m_plot.Drawable())
        return;
    const auto pixels = m_plot.CurvePixels();
    std::vector<POINT> points;
    points.reserve(pixels.size());
    for (const auto& pixel : pixels)
        points.push_back(POINT{pixel.first, pixel.second});
    {
        CGdiObject<HPEN> curve(CreatePen(PS_SOLID, Scaled(kCurvePen), kFillColour));
        CSelectObject pen(dc, curve.Get());
        Polyline(dc, points.data(), static_cast<int>(points.size()));
    }
    // Over the curve, so that no label is hidden under it.
    PaintAxes(dc);
}

void CWtlGraphContinuous::PaintAxes(HDC dc) const
{
    const CGdiObject<HFONT> font = LabelFont();
    CSelectObject selectFont(dc, font.Get());
    CGdiObject<HPEN> axis(CreatePen(PS_SOLID, Scaled(kAxisPen), kAxisColour));
    CSelectObject pen(dc, axis.Get());
    SetTextColor(dc, kAxisColour);
    SetBkMode(dc, TRANSPARENT);
    const auto& area = m_plot.Plot();
    const int x = m_plot.AxisX();
    const int tickLength = Scaled(kTick);
    const int above = Scaled(kLabelAbove);
    const int below = Scaled(kLabelBelow);
    MoveToEx(dc, x, area.top, nullptr);
    LineTo(dc, x, area.bottom);
    char label[32];
    for (const auto& tick : m_plot.YTicks()) {
        MoveToEx(dc, x, tick.pixel, nullptr);
        LineTo(dc, m_plot.LabelsLeft() ? x - tickLength : x + tickLength, tick.pixel);
        std::snprintf(label, sizeof label, "%g", tick.value);
        const int left = m_plot.LabelsLeft() ? x - Scaled(kLabelLeftOffset) : x + Scaled(kLabelRightOffset);
        // The top tick may stand at the window's edge; its label comes down
        // into the window rather than lose its top.
        const int top = std::max(0, tick.pixel - above);
        Text(dc, label, RECT{left, top, left + Scaled(kLabelWidth), top + above + below},
             (m_plot.LabelsLeft() ? DT_RIGHT : DT_LEFT) | DT_VCENTER);
    }
    MoveToEx(dc, area.left, area.bottom, nullptr);
    LineTo(dc, area.right, area.bottom);
    for (const auto& tick : m_plot.XTicks()) {
        MoveToEx(dc, tick.pixel, area.bottom, nullptr);
        LineTo(dc, tick.pixel, area.bottom + tickLength);
        std::snprintf(label, sizeof label, "%g", tick.value);
        const int halfWidth = Scaled(kXLabelHalfWidth);
        const int top = area.bottom + tickLength + Scaled(kXLabelGap);
        Text(dc, label, RECT{tick.pixel - halfWidth, top, tick.pixel + halfWidth, top + Scaled(kXLabelHeight)},
             DT_CENTER | DT_TOP);
    }
}
