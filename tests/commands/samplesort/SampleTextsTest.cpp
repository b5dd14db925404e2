// Column labels, the typed number of samples, the cell texts kept and the
// clipboard text shape.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands/samplesort/CellTexts.h"
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

TEST(CellTexts, GivesBackEveryTextInOrderWhereItWasPut)
{
    // Short texts past several blocks, empty ones among them, and texts
    // longer than a block.
    std::vector<std::wstring> texts;
    for (int i = 0; i < 30000; ++i)
        texts.push_back(i % 7 == 3 ? L"" : std::to_wstring(i * 7919) + L"\x20ac");
    texts.insert(texts.begin() + 12345, std::wstring(70000, L'x'));
    texts.push_back(std::wstring(65536, L'y'));
    texts.push_back(L"");
    texts.push_back(L"last");
    CCellTexts kept;
    std::vector<std::wstring_view> given;
    for (const std::wstring& text : texts)
        given.push_back(kept.Add(text));
    ASSERT_EQ(kept.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        ASSERT_EQ(given[i], texts[i]) << "the view given when it was added, " << i;
    std::size_t i = 0;
    for (std::wstring_view text : kept) {
        ASSERT_LT(i, texts.size());
        ASSERT_EQ(text, texts[i]) << i;
        ++i;
    }
    EXPECT_EQ(i, texts.size());
    const CCellTexts none;
    EXPECT_FALSE(none.begin() != none.end());
}

// Takes the tabbed text as the clipboard memory does, a piece at a time.
struct CTextOut {
    void Append(const wchar_t* text, std::size_t length) { joined.append(text, length); }
    void Append(wchar_t character) { joined += character; }
    std::wstring joined;
};

std::wstring Tabbed(const std::vector<std::wstring>& texts, std::size_t columns)
{
    CTextOut out;
    AppendTabbedLines(texts, columns, out);
    EXPECT_EQ(TabbedLength(texts), out.joined.size()) << "the room reserved is the room taken";
    return out.joined;
}

TEST(TabbedText, TabsBetweenCellsLineFeedAfterEveryLine)
{
    EXPECT_EQ(Tabbed({L"a", L"b", L"c", L"d", L"e", L"f"}, 2), L"a\tb\nc\td\ne\tf\n");
    EXPECT_EQ(Tabbed({L"a", L"b", L"c"}, 3), L"a\tb\tc\n");
    EXPECT_EQ(Tabbed({L"a", L"b"}, 1), L"a\nb\n");
    EXPECT_EQ(Tabbed({L"", L"x", L""}, 3), L"\tx\t\n") << "an empty cell adds nothing between its tabs";
    EXPECT_EQ(Tabbed({}, 4), L"");
    EXPECT_EQ(Tabbed({L"\x03a9\x20ac"}, 1), L"\x03a9\x20ac\n");
}

TEST(TabbedText, TooLargeMessageNamesTheCellsAndTheSizeInWholeMegabytes)
{
    EXPECT_EQ(TabbedTextTooLargeMessage(3000000, 36000000),
              L"Not enough memory to put 3000000 cells on the clipboard: their text would take 35 MB. "
              L"Choose fewer rows or columns.");
    EXPECT_EQ(TabbedTextTooLargeMessage(2, 1048576), L"Not enough memory to put 2 cells on the clipboard: their "
                                                      L"text would take 1 MB. Choose fewer rows or columns.");
    EXPECT_EQ(TabbedTextTooLargeMessage(4294967296ull, 1048577ull << 12),
              L"Not enough memory to put 4294967296 cells on the clipboard: their text would take 4097 MB. "
              L"Choose fewer rows or columns.");
}
