// Column labels, the typed number of samples and the clipboard text shape.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "commands/samplesort/ColumnLabels.h"
#include "commands/samplesort/SampleCount.h"
#include "commands/samplesort/TabbedText.h"

TEST(ColumnLabels, LettersAsExcelNamesTheColumns)
{
    const std::pair<long, const wchar_t*> cases[] = {{1, L"A"}, {26, L"Z"}, {27, L"AA"}, {28, L"AB"}, {52, L"AZ"},
        {53, L"BA"}, {702, L"ZZ"}, {703, L"AAA"}, {16384, L"XFD"}, {0, L""}};
    for (const auto& c : cases)
        EXPECT_EQ(ColumnLetters(c.first), c.second) << c.first;
    EXPECT_EQ(ColumnLabel(26), L"Column Z");
    EXPECT_EQ(ColumnLabel(28), L"Column AB");
}

TEST(ColumnLabels, EveryColumnHasItsOwnLabel)
{
    // Base-26 arithmetic slips show as two columns sharing letters.
    std::wstring previous;
    for (long column = 1; column <= 16384; ++column) {
        const std::wstring letters = ColumnLetters(column);
        ASSERT_TRUE(previous.size() < letters.size() || (previous.size() == letters.size() && previous < letters))
            << column;
        previous = letters;
    }
}

TEST(SampleCount, DigitsOnly)
{
    std::int32_t count = -7;
    for (const auto& good : {std::make_pair(L"0", 0), std::make_pair(L"100", 100), std::make_pair(L"007", 7)}) {
        EXPECT_TRUE(ParseSampleCount(good.first, count)) << good.first;
        EXPECT_EQ(count, good.second);
    }
    for (const wchar_t* bad : {L"", L"-1", L"1.5", L" 3", L"3 ", L"+3", L"1e3", L"x", L"\x0663"}) {
        count = 55;
        EXPECT_FALSE(ParseSampleCount(bad, count)) << bad;
        EXPECT_EQ(count, 55) << "a refused text leaves the count alone";
    }
}

TEST(SampleCount, RefusesNumbersBeyondSigned32Bits)
{
    std::int32_t count = 0;
    EXPECT_TRUE(ParseSampleCount(L"2147483647", count));
    EXPECT_EQ(count, 2147483647);
    EXPECT_FALSE(ParseSampleCount(L"2147483648", count));
    EXPECT_FALSE(ParseSampleCount(L"4294967296", count)); // would wrap to 0 in 32 bits
    EXPECT_FALSE(ParseSampleCount(L"99999999999999999999999", count));
    EXPECT_TRUE(ParseSampleCount(L"00000000000000000000002147483647", count));
}

TEST(TabbedText, TabsBetweenCellsLineFeedAfterEveryLine)
{
    EXPECT_EQ(TabbedLines({L"a", L"b", L"c", L"d", L"e", L"f"}, 2), L"a\tb\nc\td\ne\tf\n");
    EXPECT_EQ(TabbedLines({L"a", L"b", L"c"}, 3), L"a\tb\tc\n");
    EXPECT_EQ(TabbedLines({L"a", L"b"}, 1), L"a\nb\n");
    EXPECT_EQ(TabbedLines({L"", L"x", L""}, 3), L"\tx\t\n") << "an empty cell adds nothing between its tabs";
    EXPECT_EQ(TabbedLines({}, 4), L"");
    EXPECT_EQ(TabbedLines({L"\x03a9\x20ac"}, 1), L"\x03a9\x20ac\n");
}
