#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "commands/distfill/wizard/ContinuousPlot.h"
#include "qdists/DistExponential.h"
#include "qdists/DistNormal.h"
#include "qdists/DistUniform.h"
#include "qdists/DistWeibull.h"

using chooser::CContinuousPlot;

namespace {
// The graph window's client area: 488 x 249 with a one-pixel border.
constexpr int kWidth = 486;
constexpr int kHeight = 247;

CContinuousPlot PlotOf(const qdists::VContinuousDistribution& distribution)
{
    CContinuousPlot plot;
    plot.Recompute(distribution, kWidth, kHeight);
    return plot;
}
} // namespace

TEST(ContinuousPlot, StandardNormalHasItsAxisInsideAtZeroWithTicksOnBothSides)
{
    const CContinuousPlot plot = PlotOf(qdists::CDistNormal(0.0, 1.0));
    ASSERT_TRUE(plot.Drawable());
    EXPECT_LT(plot.XLower(), 0.0);
    const int plotWidth = kWidth - 4;
    EXPECT_NEAR(plot.AxisX(), 2 + plotWidth / 2, 1);
    EXPECT_TRUE(plot.LabelsLeft());
    // x from about -3.09 to 3.09: a step of 1 gives only 6, so 0.5.
    ASSERT_FALSE(plot.XTicks().empty());
    EXPECT_EQ(plot.XTicks().front().value, 0.0);
    EXPECT_EQ(plot.XTicks().front().pixel, plot.AxisX());
    int below = 0, above = 0;
    for (const auto& tick : plot.XTicks()) {
        below += tick.value < 0.0;
        above += tick.value > 0.0;
    }
    EXPECT_EQ(below, 6);
    EXPECT_EQ(above, 6);
    EXPECT_EQ(plot.Plot().left, 2);
    EXPECT_EQ(plot.Plot().bottom, kHeight - 30);
}

TEST(ContinuousPlot, ExponentialStartsAtZeroSoItsAxisStandsThirtyPixelsInWithLabelsLeft)
{
    const CContinuousPlot plot = PlotOf(qdists::CDistExponential(1.0));
    ASSERT_TRUE(plot.Drawable());
    EXPECT_EQ(plot.XLower(), 0.0);
    EXPECT_EQ(plot.AxisX(), 32);
    EXPECT_EQ(plot.Plot().left, 32);
    EXPECT_TRUE(plot.LabelsLeft());
    // Ticks from the first multiple of the step above 0.
    ASSERT_FALSE(plot.XTicks().empty());
    EXPECT_GT(plot.XTicks().front().value, 0.0);
    EXPECT_GT(plot.XTicks().front().pixel, 32);
}

TEST(ContinuousPlot, NegativeRangeMovesTheAxisToTheRightWithLabelsRight)
{
    const CContinuousPlot plot = PlotOf(qdists::CDistNormal(-100.0, 1.0));
    ASSERT_TRUE(plot.Drawable());
    EXPECT_EQ(plot.AxisX(), kWidth - 2 - 30);
    EXPECT_EQ(plot.Plot().right, kWidth - 32);
    EXPECT_FALSE(plot.LabelsLeft());
}

TEST(ContinuousPlot, LargestDensityOneGivesStepTenthAndTopTenthTimesPowerOfOneAndAHalf)
{
    // Weibull with tau 1 leaves y top to the layout; its density peaks at 1.
    const CContinuousPlot plot = PlotOf(qdists::CDistWeibull(1.0, 1.0));
    ASSERT_TRUE(plot.Drawable());
    EXPECT_DOUBLE_EQ(plot.YStep(), 0.1);
    EXPECT_DOUBLE_EQ(plot.YTop(), 0.1 * 1.5 * 1.5 * 1.5 * 1.5 * 1.5 * 1.5);
    EXPECT_NEAR(plot.YTop(), 1.139, 1e-3);
    // Ticks 0.1 to 1.1; the highest "%g" label is 1.1.
    const auto ticks = plot.YTicks();
    ASSERT_EQ(ticks.size(), 11u);
    char label[32];
    std::snprintf(label, sizeof label, "%g", ticks.back().value);
    EXPECT_STREQ(label, "1.1");
}

TEST(ContinuousPlot, RegularPositionsAreHundredthsOfTheRangeEvenWhenItIsNarrow)
{
    // A range of about 0.006 must still be sampled a hundred times.
    const CContinuousPlot plot = PlotOf(qdists::CDistNormal(0.0, 0.001));
    ASSERT_TRUE(plot.Drawable());
    EXPECT_GE(plot.Points().size(), 100u);
    EXPECT_LE(plot.Points().size(), 102u);
}

TEST(ContinuousPlot, RangeTooNarrowForItsMagnitudeStillEnds)
{
    // lower + step == lower here; the sampling must not spin.
    const CContinuousPlot plot = PlotOf(qdists::CDistNormal(1e20, 1.0));
    EXPECT_LE(plot.Points().size(), 102u);
}

TEST(ContinuousPlot, InvalidParametersLeaveNothingToDraw)
{
    const CContinuousPlot plot = PlotOf(qdists::CDistUniform(1.0, 0.0));
    EXPECT_FALSE(plot.Drawable());
    EXPECT_TRUE(plot.Points().empty());
    EXPECT_TRUE(plot.YTicks().empty());
    EXPECT_TRUE(plot.CurvePixels().empty());
}

TEST(ContinuousPlot, CurveStaysInThePlotWithEqualDensitiesOnOneRow)
{
    const CContinuousPlot plot = PlotOf(qdists::CDistUniform(0.0, 1.0));
    ASSERT_TRUE(plot.Drawable());
    const auto pixels = plot.CurvePixels();
    ASSERT_EQ(pixels.size(), plot.Points().size());
    const auto& area = plot.Plot();
    auto pixel = pixels.begin();
    std::set<int> rows[2]; // of the points of density 0 and of density 1
    for (const auto& point : plot.Points()) {
        EXPECT_GE(pixel->first, area.left);
        EXPECT_LE(pixel->first, area.right);
        ASSERT_TRUE(point.second == 0.0 || point.second == 1.0) << point.first;
        rows[point.second == 1.0].insert((pixel++)->second);
    }
    EXPECT_EQ(rows[0], std::set<int>{area.bottom});
    ASSERT_EQ(rows[1].size(), 1u);
    EXPECT_LT(*rows[1].begin(), area.bottom);
    EXPECT_GE(*rows[1].begin(), area.top);
}

// At 200 % in a window twice the size, the margins and the room of the y
// labels double, and the curve keeps its shape.
TEST(ContinuousPlot, LayoutAtTwiceTheDpiIsTwiceTheSize)
{
    const qdists::CDistExponential exponential(1.0); // axis at the left edge
    const CContinuousPlot base = PlotOf(exponential);
    CContinuousPlot doubled;
    doubled.Recompute(exponential, 2 * kWidth, 2 * kHeight, 192);
    ASSERT_TRUE(doubled.Drawable());
    EXPECT_EQ(doubled.Plot().left, 2 * base.Plot().left);
    EXPECT_EQ(doubled.Plot().top, 2 * base.Plot().top);
    EXPECT_EQ(doubled.Plot().right, 2 * base.Plot().right);
    EXPECT_EQ(doubled.Plot().bottom, 2 * base.Plot().bottom);
    EXPECT_EQ(doubled.AxisX(), 2 * base.AxisX());
    ASSERT_EQ(doubled.YTicks().size(), base.YTicks().size());
    for (size_t i = 0; i < base.YTicks().size(); ++i)
        EXPECT_NEAR(doubled.YTicks()[i].pixel, 2 * base.YTicks()[i].pixel, 1) << i;
}
