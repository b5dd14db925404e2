// The whole-number rule of the dialog's fields and the SET.NAME text.
#include <gtest/gtest.h>

#include "commands/fill/IntegerText.h"
#include "commands/fill/NameMacro.h"

TEST(IsInteger, AcceptsAnOptionalMinusAndDigitsOnly)
{
    for (const wchar_t* text : {L"0", L"5", L"-5", L"007", L"2147483648", L"-", L""})
        EXPECT_TRUE(IsInteger(text)) << text;
    for (const wchar_t* text : {L"+5", L" 5", L"5 ", L"5.0", L"--5", L"5-", L"1e3", L"0x10", L"- 5", L"\x0665"})
        EXPECT_FALSE(IsInteger(text)) << text;
}

TEST(ParseInt32, ReadsEveryValueOfThirtyTwoBits)
{
    const struct {
        const wchar_t* text;
        std::int32_t value;
    } cases[] = {{L"-5", -5},
                 {L"-", 0},
                 {L"000000000000000000042", 42},
                 {L"2147483647", 2147483647},
                 {L"-2147483648", INT32_MIN},
                 {L"-0", 0}};
    for (const auto& c : cases) {
        std::int32_t value = 12345;
        ASSERT_TRUE(ParseInt32(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(ParseInt32, RefusesWhatDoesNotFitOrIsNoInteger)
{
    for (const wchar_t* text : {L"2147483648", L"-2147483649", L"99999999999999999999999", L"", L"+5", L"5.0"}) {
        std::int32_t value = 12345;
        EXPECT_FALSE(ParseInt32(text, value)) << text;
        EXPECT_EQ(value, 12345) << text;
    }
}

TEST(SetNameMacro, QuotesNameAndValue)
{
    EXPECT_EQ(SetNameMacro(L"StochalType", L"01"), L"SET.NAME(\"StochalType\",\"01\")");
    EXPECT_EQ(SetNameMacro(L"StochalOutputRange", L""), L"SET.NAME(\"StochalOutputRange\",\"\")");
}

TEST(SetNameMacro, DoublesQuotesSoTheValueCannotEndTheString)
{
    EXPECT_EQ(SetNameMacro(L"StochalRangeMin", L"1\"),HALT(),(\""),
              L"SET.NAME(\"StochalRangeMin\",\"1\"\"),HALT(),(\"\"\")");
    EXPECT_EQ(SetNameMacro(L"StochalOutputRange", L"\""), L"SET.NAME(\"StochalOutputRange\",\"\"\"\")");
}
