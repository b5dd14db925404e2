#pragma once
#include <windows.h>

#include <vector>

#include "commands/distfill/wizard/GridGeometry.h"
#include "qdists/Distribution.h"
#include "win/ui/CustomWindow.h"
#include "win/ui/GdiObject.h"

// The scrolling grid of distribution pictures on the wizard's first page:
// four cells a row, each a picture and a name. It tells its parent of a new
// selection (WMU_GRID_SELCHANGE) and of a double click (WMU_GRID_ACTIVATE).
// Its cells, pictures and names are drawn at the DPI its page gives it.
class CWtlDistGrid : public CCustomWindow {
public:
    CWtlDistGrid() = default;
    ~CWtlDistGrid() override;

    // Loads the distribution's picture and appends its cell.
    void AddDistribution(qdists::VDistribution* distribution);
    // Lays the cells out and loads their pictures for that DPI (96 until
    // told), keeping the selected cell in view.
    void SetDpi(UINT dpi);
    // Selects the first cell of that distribution, or none.
    void SelectDistribution(const qdists::VDistribution* distribution);
    int Selected() const { return m_selected; }

protected:
    const wchar_t* ClassName() const override { return L"Stochal.DistGrid"; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Cell {
        qdists::VDistribution* distribution;
        HBITMAP bitmap;
    };

    int Count() const { return static_cast<int>(m_cells.size()); }
    void OnPaint();
    void PaintCell(HDC dc, HDC pictures, int index) const;
    void OnLeftButtonUp(LPARAM lParam);
    bool OnKey(WPARAM key);
    void ChangeSelection(int index);
    void InvalidateCell(int index) const;
    void EnsureVisible(int index, bool forward);
    void ScrollIntoView(int index);
    void OnWheel(int delta);

    // Scrolling: offsets and sizes in pixels.
    void UpdateScrollBars();
    void ScrollTo(int x, int y);
    void OnScroll(int bar, WORD request);
    int ContentHeight() const;

    void LoadFont();

    UINT m_dpi = chooser::kBaseDpi;
    chooser::GridGeometry m_geometry;
    CGdiObject<HFONT> m_font;
    std::vector<Cell> m_cells;
    int m_selected = -1;
    bool m_focused = false;
    int m_offsetX = 0;
    int m_offsetY = 0;
    int m_wheelTotal = 0; // wheel movement short of a notch
};
