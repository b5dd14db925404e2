// The fill's values for a seed against numpy's MT19937 with the mappings
// and the walk written in Python (data/make_reference.py).
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>

#include "commands/fill/FillValues.h"
#include "tests/support/DataLines.h"

namespace {

struct FillRow {
    std::string kind;
    std::uint32_t seed = 0;
    std::int32_t min = 0;
    std::int32_t max = 0;
    long rows = 0;
    long columns = 0;
    std::vector<long long> values;
};

std::vector<FillRow> LoadFills()
{
    std::vector<FillRow> rows;
    for (const std::string& line : ReadDataLines("commands/fill/data/fills.txt")) {
        std::istringstream fields(line);
        FillRow row;
        fields >> row.kind >> row.seed >> row.min >> row.max >> row.rows >> row.columns;
        for (long long v; fields >> v;)
            row.values.push_back(v);
        rows.push_back(row);
    }
    return rows;
}

CFillChoice ChoiceOf(const FillRow& row)
{
    CFillChoice choice;
    choice.between01 = row.kind == "unit";
    choice.min = row.min;
    choice.max = row.max;
    choice.unique = row.kind == "unique";
    return choice;
}

} // namespace

TEST(FillValues, EqualTheReferenceFillsColumnByColumn)
{
    const std::vector<FillRow> fills = LoadFills();
    ASSERT_EQ(fills.size(), 12u) << "tests/commands/fill/data/fills.txt";
    for (const FillRow& row : fills) {
        SCOPED_TRACE(row.kind + " seed " + std::to_string(row.seed));
        ASSERT_EQ(row.values.size(), static_cast<std::size_t>(row.rows * row.columns));
        CMersenneTwister engine(row.seed);
        CColumnDrawer drawer(ChoiceOf(row));
        std::vector<CFillValue> column;
        for (long c = 0; c < row.columns; ++c) {
            drawer.Draw(engine, row.rows, column);
            ASSERT_EQ(column.size(), static_cast<std::size_t>(row.rows));
            for (long r = 0; r < row.rows; ++r) {
                const long long expected = row.values[static_cast<std::size_t>(c * row.rows + r)];
                const CFillValue& value = column[static_cast<std::size_t>(r)];
                ASSERT_EQ(value.isReal, row.kind == "unit");
                if (value.isReal)
                    ASSERT_EQ(value.real, static_cast<double>(expected) / 4294967296.0) << "column " << c << " row " << r;
                else
                    ASSERT_EQ(value.whole, expected) << "column " << c << " row " << r;
            }
        }
    }
}

TEST(FillValues, UniqueColumnsOfTheWholeRangeArePermutations)
{
    CFillChoice choice{false, 1, 10, true};
    std::vector<std::int32_t> expected(10);
    std::iota(expected.begin(), expected.end(), 1);
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        CMersenneTwister engine(seed);
        CColumnDrawer drawer(choice);
        std::vector<CFillValue> column;
        for (int c = 0; c < 4; ++c) {
            drawer.Draw(engine, 10, column);
            std::vector<std::int32_t> values;
            for (const CFillValue& v : column)
                values.push_back(v.whole);
            std::sort(values.begin(), values.end());
            EXPECT_EQ(values, expected) << "seed " << seed << " column " << c;
        }
    }
}

TEST(FillValues, SpansAndUniqueFitAreCountedInSixtyFourBits)
{
    EXPECT_EQ(RangeSpan(1, 10), 10u);
    EXPECT_EQ(RangeSpan(INT32_MIN, INT32_MAX), std::uint64_t{1} << 32);
    EXPECT_EQ(RangeSpan(-1, INT32_MAX), (std::uint64_t{1} << 31) + 1);
    EXPECT_TRUE(UniqueRowsFit(10, 1, 10));
    EXPECT_FALSE(UniqueRowsFit(11, 1, 10));
    EXPECT_TRUE(UniqueRowsFit(1048576, INT32_MIN, INT32_MAX));
    EXPECT_TRUE(UniqueRowsFit(1048576, -524288, 524287));
    EXPECT_FALSE(UniqueRowsFit(1048576, -524288, 524286));
}
