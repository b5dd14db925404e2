#include <cmath>
#include <limits>

#include "tests/worksheet/WorksheetFixture.h"

using DistributionFunctionsTest = WorksheetTest;

TEST_F(DistributionFunctionsTest, ResultKindsOfValidCalls)
{
    const XLOPER* flag = Xl4(xllQBERNOULLI(0.5));
    ASSERT_NE(flag, nullptr);
    EXPECT_EQ(flag->xltype, xltype::Bool);
    XLOPER missing = Missing();
    const XLOPER* numbers[] = {
        Xl4(xllQPOISSON(3)),          Xl4(xllQBINOMIAL(10, 0.3)),    Xl4(xllQNEGBIN(3, 0.5)),
        Xl4(xllQGEOMETRIC(0.4)),      Xl4(xllQHYPERGEOMETRIC(5, 7, 4)), Xl4(xllQNORMAL(0, 1)),
        Xl4(xllQLOGNORMAL(0, 1)),     Xl4(xllQUNIFORM(1, 2)),        Xl4(xllQTRIANGULAR(0, 10, In(&missing))),
        Xl4(xllQBETA(2, 3)),          Xl4(xllQPARETO(3, 2)),         Xl4(xllQBURR(2, 3, 4)),
        Xl4(xllQGAMMA(2, 3)),         Xl4(xllQWEIBULL(2, 3)),        Xl4(xllQEXPONENTIAL(2)),
    };
    for (const XLOPER* result : numbers) {
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->xltype, xltype::Num);
        EXPECT_TRUE(std::isfinite(result->val.num));
    }
}

TEST_F(DistributionFunctionsTest, InvalidParametersGiveValueError)
{
    const double nan = std::nan("");
    const XLOPER* results[] = {
        Xl4(xllQBERNOULLI(1.5)), Xl4(xllQPOISSON(-1)),  Xl4(xllQBINOMIAL(-1, 0.5)), Xl4(xllQNEGBIN(3, 1.5)),
        Xl4(xllQGEOMETRIC(0)),   Xl4(xllQNORMAL(0, -1)), Xl4(xllQLOGNORMAL(0, nan)), Xl4(xllQUNIFORM(2, 1)),
        Xl4(xllQBETA(-1, 1)),    Xl4(xllQPARETO(0, 1)), Xl4(xllQBURR(1, 1, -1)),     Xl4(xllQGAMMA(1, 0)),
        Xl4(xllQWEIBULL(-2, 1)), Xl4(xllQEXPONENTIAL(-1)),
    };
    for (const XLOPER* result : results) {
        EXPECT_TRUE(IsValueError(result));
    }
}

// Parameters that pass validation but whose variate overflows: the cell
// gets #NUM!, never an infinity or a NaN, and the draw still advances the
// stream as any other.
TEST_F(DistributionFunctionsTest, NonFiniteVariatesGiveNumError)
{
    g_generator = CInternalGenerator(1);
    CInternalGenerator expected = g_generator;
    const XLOPER* lognormal = Xl4(xllQLOGNORMAL(2147483647, 1));
    ASSERT_NE(lognormal, nullptr);
    EXPECT_EQ(lognormal->xltype, xltype::Err);
    EXPECT_EQ(lognormal->val.err, xlerr::Num);
    EXPECT_TRUE(std::isinf(expected.NextLognormal(2147483647, 1)));
    const XLOPER* pareto = Xl4(xllQPARETO(1e-300, 1)); // (1 - u)^(-1e300) overflows
    ASSERT_NE(pareto, nullptr);
    EXPECT_EQ(pareto->xltype, xltype::Err);
    EXPECT_EQ(pareto->val.err, xlerr::Num);
    EXPECT_FALSE(std::isfinite(expected.NextPareto(1e-300, 1)));
    EXPECT_EQ(NumberOf(Xl4(xllQNORMAL(0, 1))), expected.NextNormal(0, 1));
}

TEST_F(DistributionFunctionsTest, OmittedPeakIsHalfwayBetweenTheBounds)
{
    const CInternalGenerator before = g_generator;
    XLOPER missing = Missing();
    const double omitted = NumberOf(Xl4(xllQTRIANGULAR(0, 10, In(&missing))));
    g_generator = before;
    XLOPER five = Num(5);
    EXPECT_EQ(NumberOf(Xl4(xllQTRIANGULAR(0, 10, In(&five)))), omitted);
    XLOPER text = Text("peak");
    EXPECT_TRUE(IsValueError(Xl4(xllQTRIANGULAR(0, 10, In(&text)))));
}

TEST_F(DistributionFunctionsTest, EachCallDrawsFromTheSharedDistributionStream)
{
    CInternalGenerator expected = g_generator;
    EXPECT_EQ(NumberOf(Xl4(xllQNORMAL(3, 2))), expected.NextNormal(3, 2));
    EXPECT_EQ(NumberOf(Xl4(xllQNORMAL(3, 2))), expected.NextNormal(3, 2));
    EXPECT_EQ(NumberOf(Xl4(xllQHYPERGEOMETRIC(5, 7, 4))), expected.NextHypergeometric(5, 7, 4));
}
