#include "commands/distfill/wizard/GridGeometry.h"

namespace chooser {

PixelRect GridGeometry::CellRect(int index)
{
    const int left = (index % kColumns) * kColumnPitch;
    const int top = (index / kColumns) * kCellHeight;
    return PixelRect{left, top, left + kCellWidth, top + kCellHeight};
}

int GridGeometry::ContentHeight(int count)
{
    return (count + kColumns - 1) / kColumns * kCellHeight;
}

int GridGeometry::HitTest(int x, int y, int count)
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
