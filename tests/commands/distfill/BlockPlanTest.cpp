#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "commands/distfill/BlockPlan.h"

namespace {

using Cell = std::pair<std::uint32_t, std::uint32_t>; // row, column

// The cells of the plan in the order their values are drawn: each block in
// its row-major order.
std::vector<Cell> CellsInOrder(const CBlockPlan& plan)
{
    std::vector<Cell> cells;
    for (std::uint64_t i = 0; i < plan.Count(); ++i) {
        const CCellBlock block = plan.At(i);
        for (std::uint32_t r = 0; r < block.rows; ++r)
            for (std::uint32_t c = 0; c < block.columns; ++c)
                cells.emplace_back(block.row + r, block.column + c);
    }
    return cells;
}

std::vector<Cell> RowByRow(std::uint32_t rows, std::uint32_t columns)
{
    std::vector<Cell> cells;
    for (std::uint32_t r = 0; r < rows; ++r)
        for (std::uint32_t c = 0; c < columns; ++c)
            cells.emplace_back(r, c);
    return cells;
}

std::vector<Cell> ColumnByColumn(std::uint32_t rows, std::uint32_t columns)
{
    std::vector<Cell> cells;
    for (std::uint32_t c = 0; c < columns; ++c)
        for (std::uint32_t r = 0; r < rows; ++r)
            cells.emplace_back(r, c);
    return cells;
}

TEST(BlockPlan, DrawOrderIsTheOutputOrderForEveryShape)
{
    for (std::uint32_t maxCells : {1u, 3u, 4u, 7u, 100u}) {
        for (std::uint32_t rows : {1u, 2u, 5u, 9u}) {
            for (std::uint32_t columns : {1u, 2u, 6u, 11u}) {
                EXPECT_EQ(CellsInOrder(CBlockPlan(CFillOrder::RowByRow, rows, columns, maxCells)),
                          RowByRow(rows, columns))
                    << rows << "x" << columns << " max " << maxCells;
                EXPECT_EQ(CellsInOrder(CBlockPlan(CFillOrder::ColumnByColumn, rows, columns, maxCells)),
                          ColumnByColumn(rows, columns))
                    << rows << "x" << columns << " max " << maxCells;
            }
        }
    }
}

TEST(BlockPlan, BlocksHoldWholeRowsOrOneColumn)
{
    const CBlockPlan rows(CFillOrder::RowByRow, 10, 3, 7);
    ASSERT_EQ(rows.Count(), 5u);
    EXPECT_EQ(rows.At(0), (CCellBlock{0, 0, 2, 3}));
    EXPECT_EQ(rows.At(4), (CCellBlock{8, 0, 2, 3}));
    const CBlockPlan columns(CFillOrder::ColumnByColumn, 10, 3, 4);
    ASSERT_EQ(columns.Count(), 9u);
    EXPECT_EQ(columns.At(0), (CCellBlock{0, 0, 4, 1}));
    EXPECT_EQ(columns.At(2), (CCellBlock{8, 0, 2, 1}));
    EXPECT_EQ(columns.At(3), (CCellBlock{0, 1, 4, 1}));
}

TEST(BlockPlan, DefaultBlocksAreFewForLargeTargets)
{
    const CBlockPlan sheet(CFillOrder::RowByRow, 32000, 256, kBlockCells);
    EXPECT_EQ(sheet.Count(), 32000u * 256u / kBlockCells);
    const CBlockPlan column(CFillOrder::ColumnByColumn, 1048576, 1, kBlockCells);
    EXPECT_EQ(column.Count(), 1048576u / kBlockCells);
}

TEST(BlockPlan, EmptyTargetsHaveNoBlocks)
{
    EXPECT_EQ(CBlockPlan(CFillOrder::RowByRow, 0, 5).Count(), 0u);
    EXPECT_EQ(CBlockPlan(CFillOrder::RowByRow, 5, 0).Count(), 0u);
    EXPECT_EQ(CBlockPlan(CFillOrder::ColumnByColumn, 0, 5).Count(), 0u);
    EXPECT_EQ(CBlockPlan(CFillOrder::ColumnByColumn, 5, 0).Count(), 0u);
}

TEST(BlockPlan, DonePartIsWholeRowsThenTheRowBegun)
{
    const CCellBlock block{4, 2, 3, 5};
    EXPECT_TRUE(DonePart(block, 0).empty());
    EXPECT_EQ(DonePart(block, 3), (std::vector<CCellBlock>{{4, 2, 1, 3}}));
    EXPECT_EQ(DonePart(block, 5), (std::vector<CCellBlock>{{4, 2, 1, 5}}));
    EXPECT_EQ(DonePart(block, 12), (std::vector<CCellBlock>{{4, 2, 2, 5}, {6, 2, 1, 2}}));
    EXPECT_EQ(DonePart(block, 15), (std::vector<CCellBlock>{{4, 2, 3, 5}}));
    const CCellBlock column{0, 7, 6, 1};
    EXPECT_EQ(DonePart(column, 4), (std::vector<CCellBlock>{{0, 7, 4, 1}}));
}

} // namespace
