#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <utility>

#include "commands/distfill/ValueText.h"

namespace {

// The C library's own "%1.20g" is the reference (glibc prints exactly).
std::string Printf(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%1.20g", value);
    return text;
}

std::string Formatted(double value)
{
    char text[kValueTextSize];
    const std::size_t length = FormatValue(value, text);
    EXPECT_EQ(length, std::string(text).size());
    return text;
}

// Expected texts from Python's "%1.20g" (exact, like glibc).
TEST(ValueText, KnownTexts)
{
    const std::pair<double, const char*> cases[] = {{3.0, "3"}, {-0.5, "-0.5"}, {0.1, "0.10000000000000000555"},
        {1e21, "1e+21"}, {123456789012345678901.0, "1.2345678901234568397e+20"},
        {1.5e-5, "1.500000000000000038e-05"}, {0.0, "0"}};
    for (const auto& c : cases)
        EXPECT_EQ(Formatted(c.first), c.second);
}

TEST(ValueText, MatchesPrintfOverManyMagnitudes)
{
    std::mt19937_64 bits(20240611);
    std::uniform_int_distribution<int> exponent(-320, 320);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    for (int i = 0; i < 200000; ++i) {
        const double value = mantissa(bits) * std::pow(10.0, exponent(bits));
        ASSERT_EQ(Formatted(value), Printf(value)) << value;
    }
}

TEST(ValueText, ExtremesFitTheBufferAndTheLongestText)
{
    std::size_t longest = 0;
    for (double value : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                         std::numeric_limits<double>::denorm_min(), -std::numeric_limits<double>::min(),
                         -0.00012345678901234567, -1.0 / 3.0 * 1e-100, -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(Formatted(value), Printf(value));
        longest = std::max(longest, Printf(value).size());
    }
    EXPECT_EQ(longest, kLongestValueText);
}

TEST(ValueText, LinesOfTabSeparatedValues)
{
    CValueText text;
    text.AddValue(1);
    text.AddValue(2.5);
    text.AddValue(-3);
    text.EndLine();
    text.AddValue(4);
    text.EndLine();
    EXPECT_EQ(text.Text(), "1\t2.5\t-3\n4\n");
}

TEST(ValueText, ClearKeepsTheLineBegun)
{
    CValueText text;
    text.AddValue(1);
    text.Clear();
    text.AddValue(2);
    text.EndLine();
    EXPECT_EQ(text.Text(), "\t2\n");
}

} // namespace
