#include <gtest/gtest.h>

#include "commands/distfill/wizard/GridGeometry.h"

using chooser::GridGeometry;
using Key = GridGeometry::Key;

TEST(GridGeometry, SixteenCellsFillFourRowsOfFour)
{
    const GridGeometry grid;
    EXPECT_EQ(grid.ContentHeight(16), 460);
    EXPECT_EQ(grid.ContentHeight(17), 575);
    EXPECT_EQ(grid.ContentWidth(), 455);
    const auto cell = grid.CellRect(13);
    EXPECT_EQ(cell.left, 115);
    EXPECT_EQ(cell.top, 345);
    EXPECT_EQ(cell.Width(), 110);
    EXPECT_EQ(cell.Height(), 115);
    EXPECT_EQ(grid.PictureWidth(), 108);
    EXPECT_EQ(grid.PictureHeight(), 95);
    EXPECT_EQ(grid.NameHeight(), 14);
    EXPECT_EQ(grid.Frame(), 1);
}

// At 200 % every length doubles; at 150 % each rounds to the nearest pixel
// (halves up), and the content ends at the last column's right edge.
TEST(GridGeometry, LengthsFollowTheDpi)
{
    const GridGeometry doubled(192);
    const auto cell = doubled.CellRect(13);
    EXPECT_EQ(cell.left, 230);
    EXPECT_EQ(cell.top, 690);
    EXPECT_EQ(cell.Width(), 220);
    EXPECT_EQ(cell.Height(), 230);
    EXPECT_EQ(doubled.ContentWidth(), 910);
    EXPECT_EQ(doubled.ContentHeight(16), 920);
    EXPECT_EQ(doubled.PictureWidth(), 216);
    EXPECT_EQ(doubled.PictureHeight(), 190);
    EXPECT_EQ(doubled.NameHeight(), 28);
    EXPECT_EQ(doubled.Frame(), 2);
    EXPECT_EQ(doubled.PageHeight(), 690);

    const GridGeometry half(144);
    EXPECT_EQ(half.CellRect(5).left, 173);
    EXPECT_EQ(half.CellRect(5).top, 173);
    EXPECT_EQ(half.CellRect(5).Width(), 165);
    EXPECT_EQ(half.ContentWidth(), 3 * 173 + 165);
    EXPECT_EQ(half.PictureWidth(), 162);
    EXPECT_EQ(half.PictureHeight(), 143);
    EXPECT_EQ(half.NameHeight(), 21);
    EXPECT_EQ(half.Frame(), 2);
    EXPECT_EQ(half.HitTest(172, 10, 16), -1); // the gap between columns
    EXPECT_EQ(half.HitTest(173, 173, 16), 5);
}

TEST(GridGeometry, HitTestFindsCellsAndMissesTheGapsAndBelow)
{
    const GridGeometry grid;
    EXPECT_EQ(grid.HitTest(0, 0, 16), 0);
    EXPECT_EQ(grid.HitTest(109, 114, 16), 0);
    EXPECT_EQ(grid.HitTest(110, 10, 16), -1); // the gap between columns
    EXPECT_EQ(grid.HitTest(115, 115, 16), 5);
    EXPECT_EQ(grid.HitTest(454, 459, 16), 15);
    EXPECT_EQ(grid.HitTest(455, 10, 16), -1); // right of the cells
    EXPECT_EQ(grid.HitTest(10, 460, 16), -1); // below them
    EXPECT_EQ(grid.HitTest(10, 10, 0), -1);
    EXPECT_EQ(grid.HitTest(-1, 10, 16), -1);
}

TEST(GridGeometry, ArrowKeysMoveWithinTheCellsOnly)
{
    EXPECT_EQ(GridGeometry::Move(13, Key::Down, 16), 13);
    EXPECT_EQ(GridGeometry::Move(15, Key::Right, 16), 15);
    EXPECT_EQ(GridGeometry::Move(0, Key::Left, 16), 0);
    EXPECT_EQ(GridGeometry::Move(3, Key::Up, 16), 3);
    EXPECT_EQ(GridGeometry::Move(11, Key::Down, 16), 15);
    EXPECT_EQ(GridGeometry::Move(4, Key::Up, 16), 0);
    EXPECT_EQ(GridGeometry::Move(3, Key::Right, 16), 4);
    EXPECT_EQ(GridGeometry::Move(4, Key::Left, 16), 3);
}

TEST(GridGeometry, WithoutSelectionRightAndDownStartAtTheFirstCell)
{
    EXPECT_EQ(GridGeometry::Move(-1, Key::Right, 16), 0);
    EXPECT_EQ(GridGeometry::Move(-1, Key::Down, 16), 0);
    EXPECT_EQ(GridGeometry::Move(-1, Key::Left, 16), -1);
    EXPECT_EQ(GridGeometry::Move(-1, Key::Up, 16), -1);
    EXPECT_EQ(GridGeometry::Move(-1, Key::Right, 0), -1);
}
