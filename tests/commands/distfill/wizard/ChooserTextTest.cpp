#include <gtest/gtest.h>

#include "commands/distfill/wizard/ChooserText.h"
#include "qdists/DistributionCatalog.h"

using namespace chooser;

namespace {
const qdists::ParameterInfo kReal{"mu", "mean", {-qdists::kMaxDouble, qdists::kMaxDouble}, false};
const qdists::ParameterInfo kWhole{"n", "number of trials", {1.0, qdists::kMaxDouble}, true};
} // namespace

TEST(ChooserText, KeystrokesReadAsTheirLeadingNumber)
{
    EXPECT_EQ(ParseParameter(kReal, L"1."), 1.0);
    EXPECT_EQ(ParseParameter(kReal, L"-"), 0.0);
    EXPECT_EQ(ParseParameter(kReal, L""), 0.0);
    EXPECT_EQ(ParseParameter(kReal, L"2.5e"), 2.5);
    EXPECT_EQ(ParseParameter(kReal, L"-0.25x"), -0.25);
    EXPECT_EQ(ParseParameter(kWhole, L"2.9"), 2.0);
    EXPECT_EQ(ParseParameter(kWhole, L"-7"), -7.0);
    EXPECT_EQ(ParseParameter(kWhole, L"abc"), 0.0);
    EXPECT_EQ(ParseParameter(kWhole, L"99999999999999"), 2147483647.0);
    EXPECT_EQ(ParseParameter(kReal, L"\x00e9" L"5"), 0.0);
}

TEST(ChooserText, FieldsShowIntegersWithPercentDAndRealsWithPercentG)
{
    EXPECT_EQ(FormatParameter(kWhole, 10.0), L"10");
    EXPECT_EQ(FormatParameter(kWhole, 10.9), L"10");
    EXPECT_EQ(FormatParameter(kReal, 0.5), L"0.5");
    EXPECT_EQ(FormatParameter(kReal, 0.123456789), L"0.123457");
    EXPECT_EQ(FormatParameter(kReal, 1e300), L"1e+300");
    EXPECT_EQ(FormatCount(32000), L"32000");
}

// A user whose decimal separator is a comma reads and types "0,5"; a
// point still means the same.
TEST(ChooserText, TheUsersDecimalSeparatorShowsAndReadsBesideThePoint)
{
    EXPECT_EQ(FormatParameter(kReal, 0.5, L','), L"0,5");
    EXPECT_EQ(FormatParameter(kReal, -2.5e-7, L','), L"-2,5e-07");
    EXPECT_EQ(FormatParameter(kWhole, 10.9, L','), L"10");
    EXPECT_EQ(ParseParameter(kReal, L"0,5", L','), 0.5);
    EXPECT_EQ(ParseParameter(kReal, L"2,5", L','), 2.5);
    EXPECT_EQ(ParseParameter(kReal, L"2.5", L','), 2.5);
    EXPECT_EQ(ParseParameter(kReal, L"-1,25e2", L','), -125.0);
    EXPECT_EQ(ParseParameter(kWhole, L"2,9", L','), 2.0);
    EXPECT_EQ(ParseParameter(kReal, L"2,5"), 2.0) << "with a point for the separator a comma ends the number";
}

TEST(ChooserText, NumberFieldsReadAsAtolDoes)
{
    EXPECT_EQ(ReadNumberField(L""), 0);
    EXPECT_EQ(ReadNumberField(L"12abc"), 12);
    EXPECT_EQ(ReadNumberField(L"  7"), 7);
    EXPECT_EQ(ReadNumberField(L"+5"), 5);
    EXPECT_EQ(ReadNumberField(L"-3"), -3);
    EXPECT_EQ(ReadNumberField(L"1.9"), 1);
    EXPECT_EQ(ReadNumberField(L"x12"), 0);
    // Far too many digits saturate instead of wrapping into range.
    EXPECT_GT(ReadNumberField(L"99999999999999999999999999"), 1000000000);
    EXPECT_EQ(ReadNumberField(std::wstring(255, L' ') + L"5"), 0);
}

TEST(ChooserText, SelectedNameMatchesIgnoringCaseOnly)
{
    std::vector<const char*> names;
    std::vector<std::unique_ptr<qdists::VDistribution>> all;
    for (unsigned i = 0; i < qdists::kDistributionCount; ++i) {
        all.push_back(qdists::CreateInitialDistribution(i));
        names.push_back(all.back()->GetName());
    }
    EXPECT_EQ(FindNameIgnoringCase(names, "normal"), 10);
    EXPECT_EQ(FindNameIgnoringCase(names, "NEGATIVE BINOMIAL"), 9);
    EXPECT_EQ(FindNameIgnoringCase(names, "Bernoulli"), 0);
    EXPECT_EQ(FindNameIgnoringCase(names, "Norma"), -1);
    EXPECT_EQ(FindNameIgnoringCase(names, "Normal "), -1);
    EXPECT_EQ(FindNameIgnoringCase(names, "NegativeBinomial"), -1);
    EXPECT_EQ(FindNameIgnoringCase(names, ""), -1);
}
