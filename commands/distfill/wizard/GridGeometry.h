#pragma once

#include "commands/distfill/wizard/PlotScale.h"

namespace chooser {

// Where the cells of the distribution grid lie, in content coordinates
// (the client point plus the scroll offset), and how the arrow keys move
// the selection among them.
struct GridGeometry {
    static constexpr int kColumns = 4;
    static constexpr int kCellWidth = 110;
    static constexpr int kCellHeight = 115;
    static constexpr int kColumnPitch = 115;
    static constexpr int kContentWidth = 455;
    static constexpr int kPictureWidth = 108;
    static constexpr int kPictureHeight = 95;
    static constexpr int kNameHeight = 14;
    static constexpr int kLineWidth = 110;
    static constexpr int kLineHeight = 115;
    static constexpr int kPageWidth = 440;
    static constexpr int kPageHeight = 345;

    enum class Key { Left, Right, Up, Down };

    static PixelRect CellRect(int index);
    static int ContentHeight(int count);
    // The first cell whose rectangle holds the point, or -1.
    static int HitTest(int x, int y, int count);
    // The selection after an arrow key; unchanged when the move would leave
    // the cells. With nothing selected, Right and Down select the first cell.
    static int Move(int selected, Key key, int count);
};

} // namespace chooser
