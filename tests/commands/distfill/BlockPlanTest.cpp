#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "commands/distfill/BlockPlan.h"

namespace {

using Cell = std::pair<std::uint32_t, std::uint32_t>; // row, column

// The cells of the plan in the order their values are drawn: each block in
// the order given.
std::vector<Cell> CellsInOrder(const CBlockPlan& plan, CFillOrder order)
{
    std::vector<Cell> cells;
    for (std::uint64_t i = 0; i < plan.Count(); ++i) {
        const CCellBlock block = plan.At(i);
        const std::uint32_t lines = order == CFillOrder::RowByRow ? block.rows : block.columns;
        const std::uint32_t length = order == CFillOrder::RowByRow ? block.columns : block.rows;
        for (std::uint32_t line = 0; line < lines; ++line) {
            for (std::uint32_t k = 0; k < length; ++k) {
                if (order == CFillOrder::RowByRow)
                    cells.emplace_back(block.row + line, block.column + k);
                else
                    cells.emplace_back(block.row + k, block.column + line);
            }
        }
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
                EXPECT_EQ(CellsInOrder(CBlockPlan(CFillOrder::RowByRow, rows, columns, maxCells), CFillOrder::RowByRow),
                          RowByRow(rows, columns))
                    << rows << "x" << columns << " max " << maxCells;
                EXPECT_EQ(CellsInOrder(CBlockPlan(CFillOrder::ColumnByColumn, rows, columns, maxCells),
                                       CFillOrder::ColumnByColumn),
                          ColumnByColumn(rows, columns))
                    << rows << "x" << columns << " max " << maxCells;
            }
        }
    }
}

TEST(BlockPlan, BlocksHoldWholeRowsOrWholeColumns)
{
    const CBlockPlan rows(CFillOrder::RowByRow, 10, 3, 7);
    ASSERT_EQ(rows.Count(), 5u);
    EXPECT_EQ(rows.At(0), (CCellBlock{0, 0, 2, 3}));
    EXPECT_EQ(rows.At(4), (CCellBlock{8, 0, 2, 3}));
    const CBlockPlan pieces(CFillOrder::ColumnByColumn, 10, 3, 4);
    ASSERT_EQ(pieces.Count(), 9u);
    EXPECT_EQ(pieces.At(0), (CCellBlock{0, 0, 4, 1}));
    EXPECT_EQ(pieces.At(2), (CCellBlock{8, 0, 2, 1}));
    EXPECT_EQ(pieces.At(3), (CCellBlock{0, 1, 4, 1}));
    const CBlockPlan columns(CFillOrder::ColumnByColumn, 3, 10, 7);
    ASSERT_EQ(columns.Count(), 5u);
    EXPECT_EQ(columns.At(0), (CCellBlock{0, 0, 3, 2}));
    EXPECT_EQ(columns.At(4), (CCellBlock{0, 8, 3, 2}));
}

TEST(BlockPlan, DefaultBlocksAreFewForLargeTargets)
{
    const CBlockPlan sheet(CFillOrder::RowByRow, 32000, 256, kBlockCells);
    EXPECT_EQ(sheet.Count(), 32000u * 256u / kBlockCells);
    const CBlockPlan column(CFillOrder::ColumnByColumn, 1048576, 1, kBlockCells);
    EXPECT_EQ(column.Count(), 1048576u / kBlockCells);
    const CBlockPlan row(CFillOrder::ColumnByColumn, 1, 16384, kBlockCells);
    EXPECT_EQ(row.Count(), 16384u / kBlockCells);
}

TEST(BlockPlan, EmptyTargetsHaveNoBlocks)
{
    EXPECT_EQ(CBlockPlan(CFillOrder::RowByRow, 0, 5).Count(), 0u);
    EXPECT_EQ(CBlockPlan(CFillOrder::RowByRow, 5, 0).Count(), 0u);
    EXPECT_EQ(CBlockPlan(CFillOrder::ColumnByColumn, 0, 5).Count(), 0u);
    EXPECT_EQ(CBlockPlan(CFillOrder::ColumnByColumn, 5, 0).Count(), 0u);
}

TEST(BlockPlan, DonePartIsWholeLinesThenTheLineBegun)
{
    const CCellBlock block{4, 2, 3, 5};
    const CFillOrder rows = CFillOrder::RowByRow;
    EXPECT_TRUE(DonePart(rows, block, 0).empty());
    EXPECT_EQ(DonePart(rows, block, 3), (std::vector<CCellBlock>{{4, 2, 1, 3}}));
    EXPECT_EQ(DonePart(rows, block, 5), (std::vector<CCellBlock>{{4, 2, 1, 5}}));
    EXPECT_EQ(DonePart(rows, block, 12), (std::vector<CCellBlock>{{4, 2, 2, 5}, {6, 2, 1, 2}}));
    EXPECT_EQ(DonePart(rows, block, 15), (std::vector<CCellBlock>{{4, 2, 3, 5}}));
    const CFillOrder columns = CFillOrder::ColumnByColumn;
    EXPECT_TRUE(DonePart(columns, block, 0).empty());
    EXPECT_EQ(DonePart(columns, block, 2), (std::vector<CCellBlock>{{4, 2, 2, 1}}));
    EXPECT_EQ(DonePart(columns, block, 7), (std::vector<CCellBlock>{{4, 2, 3, 2}, {4, 4, 1, 1}}));
    EXPECT_EQ(DonePart(columns, block, 15), (std::vector<CCellBlock>{{4, 2, 3, 5}}));
    EXPECT_EQ(DonePart(columns, CCellBlock{0, 7, 6, 1}, 4), (std::vector<CCellBlock>{{0, 7, 4, 1}}));
}

TEST(BlockPlan, ValuesDrawnColumnByColumnReachExcelRowMajor)
{
    const std::vector<double> drawn{1, 2, 3, 4, 5, 6}; // two rows, three columns, down each column
    std::vector<double> scratch;
    const double* laid = RowMajorValues(CFillOrder::ColumnByColumn, CCellBlock{0, 0, 2, 3}, drawn.data(), scratch);
    EXPECT_EQ(std::vector<double>(laid, laid + 6), (std::vector<double>{1, 3, 5, 2, 4, 6}));
    EXPECT_EQ(RowMajorValues(CFillOrder::RowByRow, CCellBlock{0, 0, 2, 3}, drawn.data(), scratch), drawn.data());
    EXPECT_EQ(RowMajorValues(CFillOrder::ColumnByColumn, CCellBlock{0, 0, 6, 1}, drawn.data(), scratch),
              drawn.data());
}

} // namespace
