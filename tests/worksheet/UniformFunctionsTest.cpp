#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "uniform/UniformMapping.h"
#include "tests/worksheet/WorksheetFixture.h"
#include "worksheet/SeedArgument.h"

using UniformFunctionsTest = WorksheetTest;

namespace {
constexpr double kFirstOfSeedOne = 0.9738211021758616;
}

TEST_F(UniformFunctionsTest, SeededQRandOverThreeByTwoGivesSixDrawsRowByRow)
{
    SetCaller(0, 2, 0, 1);
    XLOPER seed = Num(1);
    const XLOPER* result = Xl4(xllQRAND(In(&seed)));
    ASSERT_NE(result, nullptr);
    ASSERT_EQ(result->xltype, xltype::Multi);
    EXPECT_EQ(result->val.array.rows, 3);
    EXPECT_EQ(result->val.array.columns, 2);
    CMersenneTwister reference(1);
    const auto cells = Cells(result);
    EXPECT_EQ(cells[0].val.num, kFirstOfSeedOne);
    for (const XLOPER& cell : cells) {
        ASSERT_EQ(cell.xltype, xltype::Num);
        EXPECT_EQ(cell.val.num, UniformUnit(reference));
    }
}

TEST_F(UniformFunctionsTest, SeededCallsRepeatAndLeaveTheSharedStreamAlone)
{
    XLOPER seed = Num(1.9); // truncated to 1
    const CInternalGenerator before = g_generator;
    EXPECT_EQ(NumberOf(Xl4(xllQRAND(In(&seed)))), kFirstOfSeedOne);
    EXPECT_EQ(NumberOf(Xl4(xllQRAND(In(&seed)))), kFirstOfSeedOne);
    XLOPER between = Num(7);
    EXPECT_EQ(NumberOf(Xl4(xllQRANDBETWEEN(1, 6, In(&between)))), CInternalGenerator(7).NextBetween(1, 6));
    CInternalGenerator expected = before;
    XLOPER missing = Missing();
    EXPECT_EQ(NumberOf(Xl4(xllQRAND(In(&missing)))), expected.Next());
    EXPECT_EQ(NumberOf(Xl4(xllQRAND(In(&missing)))), expected.Next()); // the shared stream advances
    EXPECT_EQ(NumberOf(Xl4(xllQRANDBETWEEN(-3, 3, In(&missing)))), expected.NextBetween(-3, 3));
}

TEST_F(UniformFunctionsTest, SeedsReduceToTheirLowThirtyTwoBits)
{
    const double infinity = std::numeric_limits<double>::infinity();
    // 2^31 is negative as a signed integer; 2^52 + 7 keeps its low bits; 1e300 is a multiple of 2^32.
    const std::pair<double, std::uint32_t> cases[] = {{1.9, 1}, {0.9, 0}, {0, 0}, {-5, 0}, {-1.0, 0},
        {2147483647.0, 2147483647u}, {2147483648.0, 0}, {4294967296.0 + 5, 5}, {-4294967296.0 + 3, 3},
        {4503599627370496.0 + 7, 7}, {1e300, 0}, {std::nan(""), 0}, {infinity, 0}, {-infinity, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(SeedFromNumber(c.first), c.second) << c.first;
}

TEST_F(UniformFunctionsTest, RefusedSeedsAndBoundsGiveValueError)
{
    for (double bad : {0.0, -5.0, 0.9, std::nan(""), std::numeric_limits<double>::infinity(), 2147483648.0}) {
        XLOPER seed = Num(bad);
        EXPECT_TRUE(IsValueError(Xl4(xllQRAND(In(&seed))))) << bad;
        EXPECT_TRUE(IsValueError(Xl4(xllQRANDBETWEEN(1, 6, In(&seed))))) << bad;
    }
    XLOPER missing = Missing();
    EXPECT_TRUE(IsValueError(Xl4(xllQRANDBETWEEN(5, 5, In(&missing)))));
    EXPECT_TRUE(IsValueError(Xl4(xllQRANDBETWEEN(6, 1, In(&missing)))));
    XLOPER text = Text("abc");
    EXPECT_TRUE(IsValueError(Xl4(xllQRAND(In(&text)))));
    XLOPER flag = Bool(true); // coerced to 1
    EXPECT_EQ(NumberOf(Xl4(xllQRAND(In(&flag)))), kFirstOfSeedOne);
}

TEST_F(UniformFunctionsTest, RangeTouchingTheLastRowFillsEveryCell)
{
    SetCaller(1, 65535, 1, 1); // B2:B65536
    XLOPER missing = Missing();
    const XLOPER* result = Xl4(xllQRAND(In(&missing)));
    ASSERT_NE(result, nullptr);
    ASSERT_EQ(result->xltype, xltype::Multi);
    EXPECT_EQ(result->val.array.rows, 65535);
    EXPECT_EQ(result->val.array.columns, 1);
    SetCaller(0, 65535, 0, 0); // a whole column does not fit the array counts
    const CInternalGenerator before = g_generator;
    EXPECT_TRUE(IsValueError(Xl4(xllQRAND(In(&missing)))));
    CInternalGenerator expected = before;
    SetCaller(0, 0, 0, 0);
    EXPECT_EQ(NumberOf(Xl4(xllQRAND(In(&missing)))), expected.Next()); // nothing drawn for the refused one
}

// A macro's call (Application.Run) has no calling cell: xlfCaller answers
// #REF!, and the functions answer as in one cell.
TEST_F(UniformFunctionsTest, WithoutACallingCellGivesOneValue)
{
    Excel().SetNoCaller();
    XLOPER seed = Num(1);
    EXPECT_EQ(NumberOf(Xl4(xllQRAND(In(&seed)))), kFirstOfSeedOne);
    XLOPER between = Num(7);
    EXPECT_EQ(NumberOf(Xl4(xllQRANDBETWEEN(1, 6, In(&between)))), CInternalGenerator(7).NextBetween(1, 6));
    EXPECT_EQ(Excel().Outstanding(), 0u);
}

TEST_F(UniformFunctionsTest, QRandBetweenGivesWholeNumbersWithBothEnds)
{
    SetCaller(0, 19, 0, 9);
    XLOPER missing = Missing();
    bool seen[7] = {};
    const XLOPER* result = Xl4(xllQRANDBETWEEN(1, 6, In(&missing)));
    ASSERT_NE(result, nullptr);
    ASSERT_EQ(result->xltype, xltype::Multi);
    const XLOPER* cells = result->val.array.lparray;
    for (int i = 0; i < 200; ++i) {
        const XLOPER& cell = cells[i];
        ASSERT_EQ(cell.xltype, xltype::Num);
        ASSERT_EQ(cell.val.num, std::floor(cell.val.num));
        ASSERT_GE(cell.val.num, 1);
        ASSERT_LE(cell.val.num, 6);
        seen[static_cast<int>(cell.val.num)] = true;
    }
    EXPECT_TRUE(seen[1] && seen[6]);
}

TEST_F(UniformFunctionsTest, ExcelReturnCodesGiveNullOrValueError)
{
    XLOPER missing = Missing();
    Excel().ForceCode(XlFunction::Caller, xlret::Uncalced);
    EXPECT_EQ(Xl4(xllQRAND(In(&missing))), nullptr);
    Excel().ForceCode(XlFunction::Caller, xlret::Failed);
    EXPECT_TRUE(IsValueError(Xl4(xllQRAND(In(&missing)))));
    EXPECT_EQ(Excel().Outstanding(), 0u);
}
