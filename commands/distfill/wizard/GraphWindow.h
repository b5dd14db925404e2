#pragma once
#include <windows.h>

#include "commands/distfill/wizard/ContinuousPlot.h"
#include "commands/distfill/wizard/DiscretePlot.h"
#include "win/ui/CustomWindow.h"
#include "win/ui/GdiObject.h"

// What the two graphs share: the window, the erased background, the font,
// the DPI its lengths are drawn at and painting only while the
// distribution's parameters are valid.
class CGraphWindow : public CCustomWindow {
public:
    // Rebuilds the plot from the distribution, the client size and the DPI,
    // then repaints.
    void Recompute();
    // The DPI to draw at (96 until told); a shown graph is rebuilt.
    void SetDpi(UINT dpi);

protected:
    explicit CGraphWindow(const qdists::VDistribution& distribution) : m_distribution(distribution) {}
    const wchar_t* ClassName() const override { return L"Stochal.Graph"; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    virtual void RecomputeModel(int width, int height, int dpi) = 0;
    virtual void Paint(HDC dc, const RECT& client) const = 0;

    static constexpr COLORREF kAxisColour = RGB(64, 64, 64);
    static constexpr COLORREF kBackground = RGB(255, 255, 255);
    static constexpr COLORREF kFillColour = RGB(0, 255, 0);
    // "Tahoma" at 8 points at the graph's DPI.
    CGdiObject<HFONT> LabelFont() const;
    static void Text(HDC dc, const char* text, RECT box, UINT alignment);
    // A length at 96 DPI, at the graph's DPI.
    int Scaled(int pixelsAt96) const;
    UINT Dpi() const { return m_dpi; }

private:
    const qdists::VDistribution& m_distribution;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
};

// The density curve of a continuous distribution.
class CWtlGraphContinuous : public CGraphWindow {
public:
    explicit CWtlGraphContinuous(const qdists::VContinuousDistribution& distribution)
        : CGraphWindow(distribution), m_distribution(distribution) {}
    ~CWtlGraphContinuous() override { Destroy(); }
    const chooser::CContinuousPlot& Model() const { return m_plot; }

protected:
    void RecomputeModel(int width, int height, int dpi) override
    {
        m_plot.Recompute(m_distribution, width, height, dpi);
    }
    void Paint(HDC dc, const RECT& client) const override;

private:
    void PaintAxes(HDC dc) const;
    const qdists::VContinuousDistribution& m_distribution;
    chooser::CContinuousPlot m_plot;
};

// The bars of a discrete distribution's probabilities.
class CWtlGraphDiscrete : public CGraphWindow {
public:
    explicit CWtlGraphDiscrete(const qdists::VDiscreteDistribution& distribution)
        : CGraphWindow(distribution), m_distribution(distribution) {}
    ~CWtlGraphDiscrete() override { Destroy(); }
    const chooser::CDiscretePlot& Model() const { return m_plot; }

protected:
    void RecomputeModel(int width, int height, int dpi) override
    {
        m_plot.Recompute(m_distribution, width, height, dpi);
    }
    void Paint(HDC dc, const RECT& client) const override;

private:
    void PaintAxes(HDC dc) const;
    const qdists::VDiscreteDistribution& m_distribution;
    chooser::CDiscretePlot m_plot;
};
