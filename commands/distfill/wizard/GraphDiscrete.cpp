#include <cstdio>
#include <string>

#include "commands/distfill/wizard/GraphWindow.h"
#include "win/ui/WindowDpi.h"

namespace {
// Lengths at 96 DPI.
constexpr int kTick = chooser::CDiscretePlot::kTickLength;
constexpr int kLabelAbove = 5;
constexpr int kLabelBelow = 8;
constexpr int kLabelLeft = 0;
constexpr COLORREF kFrameColour = RGB(0, 0, 0);
constexpr int kLabelGap = 4;
constexpr int kAxisPen = 1;
constexpr int kLabelSpace = 1;
} // namespace

void CWtlGraphDiscrete::Paint(HDC dc, const RECT& client) const
{
    CGdiObject<HBRUSH> background(CreateSolidBrush(kBackground));
    FillRect(dc, &client, background.Get());
    if (!m_plot.Drawable())
        return;
    CGdiObject<HBRUSH> fill(CreateSolidBrush(kFillColour));
    CGdiObject<HBRUSH> frame(CreateSolidBrush(kFrameColour));
    for (const auto& bar : m_plot.Bars()) {
        const RECT rect{bar.rect.left, bar.rect.top, bar.rect.right, bar.rect.bottom};
        if (rect.bottom <= rect.top)
            continue;
        FillRect(dc, &rect, fill.Get());
        if (m_plot.Framed())
            FrameRectAt(dc, rect, frame.Get(), Dpi());
    }
    const CGdiObject<HFONT> font = LabelFont();
    CSelectObject selectFont(dc, font.Get());
    PaintAxes(dc);
    // Labels are spaced by their drawn width, plus a small gap.
    const int gap = Scaled(kLabelGap);
    const auto textWidth = [dc, gap](const std::string& text) {
        SIZE extent{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        return static_cast<int>(extent.cx) + gap;
    };
    for (size_t index : m_plot.LabelledBars(textWidth)) {
        const auto box = m_plot.LabelBox(index);
        Text(dc, m_plot.Bars()[index].label.c_str(), RECT{box.left, box.top, box.right, box.bottom},
             DT_CENTER | DT_TOP);
    }
}

void CWtlGraphDiscrete::PaintAxes(HDC dc) const
{
    CGdiObject<HPEN> axis(CreatePen(PS_SOLID, Scaled(kAxisPen), kAxisColour));
    CSelectObject pen(dc, axis.Get());
    SetTextColor(dc, kAxisColour);
    SetBkMode(dc, TRANSPARENT);
    const int x = m_plot.AxisColumn();
    const int tickLength = Scaled(kTick);
    MoveToEx(dc, x, m_plot.Top(), nullptr);
    LineTo(dc, x, m_plot.Bottom());
    LineTo(dc, m_plot.Right(), m_plot.Bottom());
    char label[32];
    for (const auto& tick : m_plot.YTicks()) {
        MoveToEx(dc, x - tickLength, tick.pixel, nullptr);
        LineTo(dc, x, tick.pixel);
        std::snprintf(label, sizeof label, m_plot.YLabelFormat(), tick.value);
        Text(dc, label,
             RECT{kLabelLeft, tick.pixel - Scaled(kLabelAbove), x - tickLength - Scaled(kLabelSpace),
                  tick.pixel + Scaled(kLabelBelow)},
             DT_RIGHT | DT_VCENTER);
    }
}
