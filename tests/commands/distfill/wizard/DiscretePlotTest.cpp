#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "commands/distfill/wizard/DiscretePlot.h"
#include "qdists/DistBinomial.h"
#include "qdists/DistPoisson.h"

using chooser::CDiscretePlot;

namespace {
constexpr int kWidth = 486;
constexpr int kHeight = 247;

// A mass function given as a table over 0, 1, 2, ...
class CTableDistribution : public qdists::VDiscreteDistribution {
public:
    explicit CTableDistribution(std::vector<double> masses) : m_masses(std::move(masses)) {}
    const char* GetName() const override { return "Table"; }
    qdists::Interval GetSupport() const override { return {0.0, static_cast<double>(m_masses.size() - 1)}; }
    qdists::Interval GetDensityRange() const override { return {0.0, 1.0}; }
    unsigned GetBitmapId() const override { return 0; }
    bool Validate(std::string&) const override { return true; }
    unsigned GetParameterCount() const override { return 0; }
    const qdists::ParameterInfo& GetParameterInfo(unsigned) const override { throw std::out_of_range("none"); }
    double GetParameter(unsigned) const override { return 0.0; }
    void SetParameter(unsigned, double) override {}
    double Sample(CUnitStream&) const override { return 0.0; }
    double Probability(int k) const override { return m_masses.at(static_cast<size_t>(k)); }

private:
    std::vector<double> m_masses;
};

CDiscretePlot PlotOf(const qdists::VDiscreteDistribution& distribution)
{
    CDiscretePlot plot;
    plot.Recompute(distribution, kWidth, kHeight);
    return plot;
}
} // namespace

TEST(DiscretePlot, PoissonOfOneShowsTwentyBarsThoughNinetyNinePercentComeEarlier)
{
    const CDiscretePlot plot = PlotOf(qdists::CDistPoisson(1.0));
    ASSERT_EQ(plot.Bars().size(), 20u);
    EXPECT_EQ(plot.Bars().front().label, "0");
    EXPECT_EQ(plot.Bars().back().label, "19");
    // 447 pixels for 20 bars: slots of 22, bars 19 wide with a frame.
    EXPECT_TRUE(plot.Framed());
    EXPECT_EQ(plot.Bars()[0].rect.left, 37);
    EXPECT_EQ(plot.Bars()[0].rect.Width(), 19);
    EXPECT_EQ(plot.Bars()[1].rect.left, 37 + 22);
    EXPECT_EQ(plot.Bars()[0].rect.bottom, 5 + (kHeight - 25) + 1);
    // p(0) = p(1) = e^-1 = 0.3679: step 0.1, top 0.4.
    EXPECT_DOUBLE_EQ(plot.YTop(), 0.4);
    EXPECT_EQ(plot.Bars()[0].rect.Height(), static_cast<int>(0.36787944117144233 * (kHeight - 25) / 0.4));
    EXPECT_EQ(plot.LabelledBars().size(), 20u);
}

TEST(DiscretePlot, BinomialOfTenShowsZeroToNineteenWithEmptyBarsAboveTen)
{
    const CDiscretePlot plot = PlotOf(qdists::CDistBinomial(0.5, 10));
    ASSERT_EQ(plot.Bars().size(), 20u);
    EXPECT_EQ(plot.Bars().back().label, "19");
    for (size_t k = 11; k < 20; ++k) {
        EXPECT_EQ(plot.Bars()[k].probability, 0.0);
        EXPECT_EQ(plot.Bars()[k].rect.Height(), 0);
    }
    EXPECT_GT(plot.Bars()[5].rect.Height(), 0);
    EXPECT_GT(plot.Bars()[10].probability, 0.0);
}

TEST(DiscretePlot, PoissonOfAThousandStopsAtNinetyNinePercentWithThinnedLabels)
{
    const CDiscretePlot plot = PlotOf(qdists::CDistPoisson(1000.0));
    // The 0.99 point of Poisson(1000) is 1074 (summed in Python, see note):
    // bars 0 to 1074.
    ASSERT_EQ(plot.Bars().size(), 1075u);
    EXPECT_EQ(plot.Bars().back().label, "1074");
    EXPECT_FALSE(plot.Framed());
    EXPECT_EQ(plot.Bars()[0].rect.Width(), 3);
    const auto labelled = plot.LabelledBars();
    EXPECT_GT(labelled.size(), 10u);
    EXPECT_LT(labelled.size(), 30u);
    for (size_t i = 1; i < labelled.size(); ++i)
        EXPECT_GE(plot.LabelBox(labelled[i]).left, plot.LabelBox(labelled[i - 1]).right);
}

TEST(DiscretePlot, TenThousandBarsAtMost)
{
    std::vector<double> masses(20000, 0.5 / 20000.0);
    const CDiscretePlot plot = PlotOf(CTableDistribution(masses));
    EXPECT_EQ(plot.Bars().size(), 10000u);
}

TEST(DiscretePlot, SupportEndingEarlyGivesFewerThanTwentyBars)
{
    const CDiscretePlot plot = PlotOf(CTableDistribution({0.5, 0.5}));
    EXPECT_EQ(plot.Bars().size(), 2u);
}

// The axis: a step of a power of ten (doubled past ten steps), a top one
// step above the highest mass (0.3 itself is not above 0.3), and the
// decimals of the step.
TEST(DiscretePlot, AxisStepTopAndLabelFormatFollowTheHighestMass)
{
    const struct {
        std::vector<double> masses;
        double step, top;
        const char* format;
        size_t ticks; // 0: not checked
    } cases[] = {
        {{0.25, 0.25, 0.25, 0.25}, 0.1, 0.3, "%0.1f", 3},
        {std::vector<double>(20, 0.05), 0.01, 0.06, "%0.2f", 0},
        {{0.3}, 0.1, 0.4, "%0.1f", 0},
        {{1.0}, 0.2, 1.1, "%0.1f", 0},
        {{0.002, 0.003}, 0.001, 0.004, "%f", 0},
    };
    for (const auto& c : cases) {
        const CDiscretePlot plot = PlotOf(CTableDistribution(c.masses));
        EXPECT_DOUBLE_EQ(plot.YStep(), c.step) << c.masses[0];
        EXPECT_DOUBLE_EQ(plot.YTop(), c.top) << c.masses[0];
        EXPECT_STREQ(plot.YLabelFormat(), c.format) << c.masses[0];
        if (c.ticks) {
            EXPECT_EQ(plot.YTicks().size(), c.ticks);
        }
    }
}

TEST(DiscretePlot, InvalidParametersLeaveNoBars)
{
    const CDiscretePlot plot = PlotOf(qdists::CDistPoisson(2000.0));
    EXPECT_FALSE(plot.Drawable());
    EXPECT_TRUE(plot.Bars().empty());
}

TEST(DiscretePlot, WideLabelsAreSpacedByTheirTextWidth)
{
    const CDiscretePlot plot = PlotOf(qdists::CDistPoisson(1000.0));
    const auto textWidth = [](const std::string& text) { return 7 * static_cast<int>(text.size()) + 4; };
    const auto labelled = plot.LabelledBars(textWidth);
    ASSERT_GT(labelled.size(), 5u);
    EXPECT_LT(labelled.size(), plot.LabelledBars().size());
    for (size_t i = 1; i < labelled.size(); ++i) {
        const auto& previous = plot.LabelBox(labelled[i - 1]);
        const auto& current = plot.LabelBox(labelled[i]);
        const int previousHalf = textWidth(plot.Bars()[labelled[i - 1]].label) / 2;
        const int currentHalf = textWidth(plot.Bars()[labelled[i]].label) / 2;
        EXPECT_GE((current.left + current.right) / 2 - currentHalf, (previous.left + previous.right) / 2 + previousHalf - 1);
    }
}

// At 200 % in a window twice the size, every margin, box and bar doubles
// (within a pixel of the truncated slots).
TEST(DiscretePlot, LayoutAtTwiceTheDpiIsTwiceTheSize)
{
    const qdists::CDistPoisson poisson(1.0);
    const CDiscretePlot base = PlotOf(poisson);
    CDiscretePlot doubled;
    doubled.Recompute(poisson, 2 * kWidth, 2 * kHeight, 192);
    ASSERT_TRUE(doubled.Drawable());
    EXPECT_EQ(doubled.XOrigin(), 2 * base.XOrigin());
    EXPECT_EQ(doubled.Top(), 2 * base.Top());
    EXPECT_NEAR(doubled.Bottom(), 2 * base.Bottom(), 1);
    EXPECT_EQ(doubled.Right(), 2 * base.Right());
    EXPECT_EQ(doubled.Framed(), base.Framed());
    ASSERT_EQ(doubled.Bars().size(), base.Bars().size());
    for (size_t i = 0; i < base.Bars().size(); ++i) {
        EXPECT_NEAR(doubled.Bars()[i].rect.left, 2 * base.Bars()[i].rect.left, 2 * static_cast<double>(i) + 1) << i;
        EXPECT_NEAR(doubled.Bars()[i].rect.Height(), 2 * base.Bars()[i].rect.Height(), 2) << i;
    }
    EXPECT_EQ(doubled.LabelBox(0).Width(), 2 * base.LabelBox(0).Width());
    EXPECT_EQ(doubled.LabelBox(0).Height(), 2 * base.LabelBox(0).Height());
    EXPECT_NEAR(doubled.LabelBox(0).top, 2 * base.LabelBox(0).top, 2);
}
