#include <gtest/gtest.h>

#include "commands/distfill/wizard/GridGeometry.h"

using chooser::GridGeometry;
using Key = GridGeometry::Key;

TEST(GridGeometry, SixteenCellsFillFourRowsOfFour)
{
    EXPECT_EQ(GridGeometry::ContentHeight(16), 460);
    EXPECT_EQ(GridGeometry::ContentHeight(17), 575);
    const auto cell = GridGeometry::CellRect(13);
    EXPECT_EQ(cell.left, 115);
    EXPECT_EQ(cell.top, 345);
    EXPECT_EQ(cell.Width(), 110);
    EXPECT_EQ(cell.Height(), 115);
}

TEST(GridGeometry, HitTestFindsCellsAndMissesTheGapsAndBelow)
{
    EXPECT_EQ(GridGeometry::HitTest(0, 0, 16), 0);
    EXPECT_EQ(GridGeometry::HitTest(109, 114, 16), 0);
    EXPECT_EQ(GridGeometry::HitTest(110, 10, 16), -1); // the gap between columns
    EXPECT_EQ(GridGeometry::HitTest(115, 115, 16), 5);
    EXPECT_EQ(GridGeometry::HitTest(454, 459, 16), 15);
    EXPECT_EQ(GridGeometry::HitTest(455, 10, 16), -1); // right of the cells
    EXPECT_EQ(GridGeometry::HitTest(10, 460, 16), -1); // below them
    EXPECT_EQ(GridGeometry::HitTest(10, 10, 0), -1);
    EXPECT_EQ(GridGeometry::HitTest(-1, 10, 16), -1);
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
