// The portable rules behind the registry format of saved parameters.
#include <gtest/gtest.h>

#include <cstring>

#include "qdists/ParameterText.h"

using qdists::Interval;
using qdists::ParseStoredParameter;
using qdists::StoredParameterValue;

namespace {

StoredParameterValue StringValue(const char* text)
{
    return {true, true, text, std::strlen(text) + 1};
}

} // namespace

TEST(ParameterText, FormatsWithSixSignificantDigits)
{
    EXPECT_EQ(qdists::FormatParameterValue(0.123456789), "0.123457");
    EXPECT_EQ(qdists::FormatParameterValue(1000), "1000");
    EXPECT_EQ(qdists::FormatParameterValue(1.7976931348623157e308), "1.79769e+308");
    EXPECT_EQ(qdists::FormatParameterValue(-2.5e-7), "-2.5e-07");
}

TEST(ParameterText, AcceptsTerminatedNumbersWithinBounds)
{
    const Interval unit(0.0, 1.0);
    double value = -1.0;
    EXPECT_TRUE(ParseStoredParameter(StringValue("0.25"), unit, value));
    EXPECT_EQ(value, 0.25);
    EXPECT_TRUE(ParseStoredParameter(StringValue("1"), unit, value));
    EXPECT_EQ(value, 1.0);
    EXPECT_TRUE(ParseStoredParameter(StringValue("0"), unit, value));
    EXPECT_EQ(value, 0.0);
}

TEST(ParameterText, SkipsEverythingElseAndLeavesTheValue)
{
    const Interval unit(0.0, 1.0);
    const char unterminated[] = {'0', '.', '5'};
    const StoredParameterValue rejected[] = {
        StringValue("abc"),
        StringValue("1.5"),
        StringValue("-0.1"),
        StringValue("nan"),
        StringValue(""),
        {false, true, "0.5", 4},                 // the read failed
        {true, false, "\x01\x00\x00\x00", 4},    // a DWORD
        {true, true, unterminated, sizeof unterminated},
        {true, true, "0.5", 0},
    };
    for (const StoredParameterValue& stored : rejected) {
        double value = 0.75;
        EXPECT_FALSE(ParseStoredParameter(stored, unit, value)) << stored.bytes;
        EXPECT_EQ(value, 0.75);
    }
}
