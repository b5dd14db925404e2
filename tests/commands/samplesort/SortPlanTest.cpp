// The Sort command's plan: item counts, source cells, moved row runs.
#include <gtest/gtest.h>

#include "commands/samplesort/SortPlan.h"

TEST(SortPlan, ItemCounts)
{
    EXPECT_EQ(SortItemCount(3, 2, true), 3u);
    EXPECT_EQ(SortItemCount(3, 2, false), 6u);
    EXPECT_EQ(SortItemCount(1048576, 16384, false), std::uint64_t(1) << 34) << "no 32-bit wrap";
    EXPECT_GT(SortItemCount(1048576, 16384, false), kMostSortItems);
    EXPECT_EQ(IdentityPermutation(4), (Permutation{0, 1, 2, 3}));
    EXPECT_TRUE(IdentityPermutation(0).empty());
}

TEST(SortPlan, RowsKeptTogetherMoveWholeRows)
{
    // 3 × 2: target row 0 gets row 2, row 1 keeps its row, row 2 gets row 0.
    EXPECT_EQ(SourceCells({2, 1, 0}, 3, 2, true), (std::vector<std::uint32_t>{4, 5, 2, 3, 0, 1}));
}

TEST(SortPlan, CellsShuffledIndividuallyAreNumberedRowMajor)
{
    // Item k is the cell in row k / columns, column k mod columns.
    const Permutation p{5, 0, 3, 1, 4, 2};
    EXPECT_EQ(SourceCells(p, 3, 2, false), p);
}

TEST(SortPlan, MovedRowsJoinIntoRuns)
{
    EXPECT_TRUE(MovedRowBlocks({0, 1, 2}).empty());
    EXPECT_TRUE(MovedRowBlocks({0}).empty()) << "a single row never moves";
    EXPECT_EQ(MovedRowBlocks({1, 0}), (std::vector<RowBlock>{{0, 2}}));
    EXPECT_EQ(MovedRowBlocks({0, 3, 2, 1, 4, 6, 5}), (std::vector<RowBlock>{{1, 1}, {3, 1}, {5, 2}}));
    EXPECT_EQ(MovedRowBlocks({2, 0, 1, 3}), (std::vector<RowBlock>{{0, 3}}));
}

TEST(SortPlan, RunsCoverExactlyTheMovedRows)
{
    // A pseudo-random permutation: every moved row in one run, no fixed row in any.
    Permutation p = IdentityPermutation(1000);
    std::uint32_t state = 12345;
    for (std::size_t i = p.size() - 1; i > 0; --i) {
        state = state * 1103515245u + 12345u;
        std::swap(p[i], p[(state >> 8) % (i + 1)]);
    }
    std::vector<bool> covered(p.size(), false);
    std::uint32_t previousEnd = 0;
    bool first = true;
    for (const RowBlock& block : MovedRowBlocks(p)) {
        ASSERT_GT(block.count, 0u);
        if (!first) {
            EXPECT_GT(block.first, previousEnd) << "adjacent runs would have been joined";
        }
        first = false;
        for (std::uint32_t r = block.first; r < block.first + block.count; ++r)
            covered[r] = true;
        previousEnd = block.first + block.count;
    }
    for (std::uint32_t r = 0; r < p.size(); ++r)
        EXPECT_EQ(covered[r], p[r] != r) << r;
}
