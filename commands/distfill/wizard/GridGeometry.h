#pragma once

#include "commands/distfill/wizard/PlotScale.h"

namespace chooser {

// Where the cells of the distribution grid lie at a DPI, in content
// coordinates (the client point plus the scroll offset), and how the arrow
// keys move the selection among them.
class GridGeometry {
public:
    static constexpr int kColumns = 4;
    // At 96 DPI.
    static constexpr int kCellWidth = 110;
    static constexpr int kCellHeight = 115;
    static constexpr int kColumnPitch = 115;
    static constexpr int kPictureWidth = 108;
    static constexpr int kPictureHeight = 95;
    static constexpr int kNameHeight = 14;
    static constexpr int kFrame = 1;
    static constexpr int kPageWidth = 440;
    static constexpr int kPageHeight = 345;

    enum class Key { Left, Right, Up, Down };

    explicit GridGeometry(int dpi = kBaseDpi);

    PixelRect CellRect(int index) const;
    int ContentWidth() const;
    int ContentHeight(int count) const;
    // The picture stands inside the selection frame, in the cell's corner.
    int PictureWidth() const { return m_pictureWidth; }
    int PictureHeight() const { return m_pictureHeight; }
    int Frame() const { return m_frame; }
    int NameHeight() const { return m_nameHeight; }
    // Scroll steps: a line is a cell, a page a little less than the view.
    int LineWidth() const { return m_cellWidth; }
    int LineHeight() const { return m_cellHeight; }
    int PageWidth() const { return m_pageWidth; }
    int PageHeight() const { return m_pageHeight; }
    // The first cell whose rectangle holds the point, or -1.
    int HitTest(int x, int y, int count) const;

    // The selection after an arrow key; unchanged when the move would leave
    // the cells. With nothing selected, Right and Down select the first cell.
    static int Move(int selected, Key key, int count);

private:
    int m_cellWidth;
    int m_cellHeight;
    int m_columnPitch;
    int m_pictureWidth;
    int m_pictureHeight;
    int m_nameHeight;
    int m_frame;
    int m_pageWidth;
    int m_pageHeight;
};

} // namespace chooser
