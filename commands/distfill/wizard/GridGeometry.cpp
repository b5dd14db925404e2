#include "commands/distfill/wizard/GridGeometry.h"

namespace chooser {

GridGeometry::GridGeometry(int dpi)
    : m_cellWidth(ScaledLength(kCellWidth, dpi)), m_cellHeight(ScaledLength(kCellHeight, dpi)),
      m_columnPitch(ScaledLength(kColumnPitch, dpi)), m_pictureWidth(ScaledLength(kPictureWidth, dpi)),
      m_pictureHeight(ScaledLength(kPictureHeight, dpi)), m_nameHeight(ScaledLength(kNameHeight, dpi)),
      m_frame(ScaledLength(kFrame, dpi)), m_pageWidth(ScaledLength(kPageWidth, dpi)),
      m_pageHeight(ScaledLength(kPageHeight, dpi))
{
}

PixelRect GridGeometry::CellRect(int index) const
{
    const int left = (index % kColumns) * m_columnPitch;
    const int top = (index / kColumns) * m_cellHeight;
    return PixelRect{left, top, left + m_cellWidth, top + m_cellHeight};
}

// Up to the last column's right edge, so that rounding cannot cut it.
int GridGeometry::ContentWidth() const
{
    return (kColumns - 1) * m_columnPitch + m_cellWidth;
}

int GridGeometry::ContentHeight(int count) const
{
    return (count + kColumns - 1) / kColumns * m_cellHeight;
}

int GridGeometry::HitTest(int x, int y, int count) const
{
    for (int i = 0; i < count; ++i) {
        const PixelRect cell = CellRect(i);
        if (cell.left <= x && x < cell.right && cell.top <= y && y < cell.bottom)
            return i;
    }
    return -1;
}

int GridGeometry::Move(int selected, Key key, int count)
{
    if (selected < 0)
        return (count > 0 && (key == Key::Right || key == Key::Down)) ? 0 : selected;
    switch (key) {
    case Key::Left: return selected > 0 ? selected - 1 : selected;
    case Key::Right: return selected + 1 < count ? selected + 1 : selected;
    case Key::Up: return selected >= kColumns ? selected - kColumns : selected;
    case Key::Down: return selected + kColumns < count ? selected + kColumns : selected;
    }
    return selected;
}

} // namespace chooser
