// The worksheet functions on Excel 2007's grid, through the XLOPER12 path:
// callers and references anywhere on 1,048,576 x 16,384 cells, arrays as
// large as the caller, texts in UTF-16, whole columns; and the same seeded
// numbers as on the XLOPER path.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/xlw/BridgeFixture.h"
#include "worksheet/EntryPoints.h"

namespace {
// The first six doubles of seed 1 (numpy's MT19937, the first line of
// tests/worksheet/data/known_uniform.txt).
const std::vector<double> kSeedOne = {0.9738211021758616,  0.50758258602581918, 0.88694050721824169,
                                      0.68936349358409643, 0.94325460819527507, 0.92878638301044703};

class GridTest : public BridgeTest {
protected:
    static XlfValue* In(XLOPER12& value) { return reinterpret_cast<XlfValue*>(&value); }
    static const XLOPER12* Out(XlfValue* result) { return reinterpret_cast<const XLOPER12*>(result); }
    static XLOPER12 Kind(XlWord type)
    {
        XLOPER12 value{};
        value.xltype = type;
        return value;
    }
    static XLOPER12 Num(double number)
    {
        XLOPER12 value = Kind(xltype::Num);
        value.val.num = number;
        return value;
    }
    void Caller(std::uint32_t row1, std::uint32_t row2, std::uint32_t column1, std::uint32_t column2)
    {
        Excel().SetCaller(TestArea{row1, row2, column1, column2});
    }
    void Put(std::uint32_t row, std::uint32_t column, const std::string& text)
    {
        TestCell cell;
        cell.type = xltype::Str;
        cell.text = text;
        Excel().SetCell(row, column, cell);
    }
    // The cells of a result row by row, as the host prints them.
    static std::vector<std::string> Texts(const XLOPER12* result)
    {
        std::vector<std::string> texts;
        if (result == nullptr) {
            return texts;
        }
        if (result->xltype != xltype::Multi) {
            return {FormatValue(*result)};
        }
        const std::size_t cells = static_cast<std::size_t>(result->val.array.rows) * result->val.array.columns;
        for (std::size_t i = 0; i < cells; ++i) {
            texts.push_back(FormatValue(result->val.array.lparray[i]));
        }
        return texts;
    }
    static std::vector<std::string> Formatted(const std::vector<double>& numbers)
    {
        std::vector<std::string> texts;
        for (double number : numbers) {
            XLOPER12 value = Num(number);
            texts.push_back(FormatValue(value));
        }
        return texts;
    }
    std::vector<std::string> SeededQRand()
    {
        XLOPER12 seed = Num(1);
        return Texts(Out(xllQRAND(In(seed))));
    }
};
} // namespace

TEST_F(GridTest, SeededQRandOverThreeByTwoIsTheSameOnBothPaths)
{
    Caller(0, 2, 0, 1);
    XLOPER12 seed12 = Num(1);
    const XLOPER12* result = Out(xllQRAND(In(seed12)));
    ASSERT_NE(result, nullptr);
    ASSERT_EQ(result->xltype, xltype::Multi);
    EXPECT_EQ(result->val.array.rows, 3);
    EXPECT_EQ(result->val.array.columns, 2);
    EXPECT_EQ(Texts(result), Formatted(kSeedOne));

    UseExcel4Only();
    Excel().SetCaller(XLREF{0, 2, 0, 1});
    XLOPER seed{};
    seed.xltype = xltype::Num;
    seed.val.num = 1;
    const auto* old = reinterpret_cast<const XLOPER*>(xllQRAND(reinterpret_cast<XlfValue*>(&seed)));
    ASSERT_NE(old, nullptr);
    ASSERT_EQ(old->xltype, xltype::Multi);
    std::vector<std::string> texts;
    for (int i = 0; i < 6; ++i) {
        texts.push_back(FormatValue(old->val.array.lparray[i]));
    }
    EXPECT_EQ(texts, Formatted(kSeedOne));
}

TEST_F(GridTest, CallersAnywhereOnTheGrid)
{
    const std::vector<std::string> first = Formatted({kSeedOne[0]});
    for (const TestArea& cell : {TestArea{65535, 65535, 0, 0}, TestArea{65536, 65536, 0, 0},
                                 TestArea{1048575, 1048575, 0, 0}, TestArea{0, 0, 16383, 16383},
                                 TestArea{1048575, 1048575, 16383, 16383}}) {
        Excel().SetCaller(cell);
        EXPECT_EQ(SeededQRand(), first) << cell.row1 << " " << cell.column1;
    }
    Caller(65534, 65537, 0, 0); // A65535:A65538, across the XLOPER's last row
    EXPECT_EQ(SeededQRand(), Formatted({kSeedOne[0], kSeedOne[1], kSeedOne[2], kSeedOne[3]}));
    Caller(1048574, 1048575, 16382, 16383); // the corner: the last row and column
    EXPECT_EQ(SeededQRand(), Formatted({kSeedOne[0], kSeedOne[1], kSeedOne[2], kSeedOne[3]}));
    EXPECT_EQ(Excel().Outstanding(), 0u);

    UseExcel4Only(); // Excel4 cannot give a caller below row 65536: #VALUE!
    Caller(65536, 65536, 0, 0);
    XLOPER seed{};
    seed.xltype = xltype::Num;
    seed.val.num = 1;
    const auto* old = reinterpret_cast<const XLOPER*>(xllQRAND(reinterpret_cast<XlfValue*>(&seed)));
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(FormatValue(*old), "#VALUE!");
}

TEST_F(GridTest, ArraysAsLargeAsTheCaller)
{
    Caller(0, 99999, 0, 0); // A1:A100000
    XLOPER12 missing = Kind(xltype::Missing);
    const XLOPER12* result = Out(xllQRAND(In(missing)));
    ASSERT_NE(result, nullptr);
    ASSERT_EQ(result->xltype, xltype::Multi);
    EXPECT_EQ(result->val.array.rows, 100000);
    EXPECT_EQ(result->val.array.columns, 1);
    EXPECT_EQ(result->val.array.lparray[99999].xltype, xltype::Num);
}

// Rows below the last one that holds a value are no data: five rows
// sampled without repetition from A:B give the four rows in use (the empty
// third row among them), then blanks.
TEST_F(GridTest, WholeColumnsSampleTheRowsInUse)
{
    for (std::uint32_t row : {0u, 1u, 3u}) {
        Put(row, 0, "row" + std::to_string(row + 1));
    }
    Caller(0, 5, 3, 3);
    XLOPER12 columns = Excel().Reference12(TestArea{0, 1048575, 0, 1});
    XLOPER12 missing = Kind(xltype::Missing);
    XLOPER12 yes = Kind(xltype::Bool);
    yes.val.xbool = 1;
    std::vector<std::string> rows = Texts(Out(xllQSAMPLE(In(columns), In(missing), In(yes))));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[4], "");
    EXPECT_EQ(rows[5], "");
    rows.resize(4);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::string>{"", "row1", "row2", "row4"}));
    EXPECT_EQ(Excel().Outstanding(), 0u);

    XLOPER12 empty = Excel().Reference12(TestArea{0, 1048575, 5, 5});
    EXPECT_EQ(Texts(Out(xllQSAMPLE(In(empty), In(missing), In(missing)))), std::vector<std::string>{"#VALUE!"});
}

TEST_F(GridTest, DataBelowTheOldLastRowAndTextsOutsideTheCodePage)
{
    const std::vector<std::string> texts = {u8"\u03b1\u03b2\u03b3", u8"\u6f22\u5b57", u8"\U0001F600!",
                                            std::string(32767, 'x')};
    for (std::uint32_t i = 0; i < texts.size(); ++i) {
        Put(70000 + i, 0, texts[i]);
    }
    Caller(0, 3, 0, 0);
    XLOPER12 data = Excel().Reference12(TestArea{70000, 70003, 0, 0});
    XLOPER12 missing = Kind(xltype::Missing);
    XLOPER12 yes = Kind(xltype::Bool);
    yes.val.xbool = 1;
    std::vector<std::string> drawn = Texts(Out(xllQSAMPLE(In(data), In(missing), In(yes))));
    std::sort(drawn.begin(), drawn.end());
    std::vector<std::string> expected = texts;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(Diagnostics(), "");
}

// Excel4 hands texts over in the ANSI code page: what it lacks arrives,
// and so comes back, as question marks (Latin-1 in native builds, the
// system's code page under Windows).
TEST_F(GridTest, OnTheXloperPathTextsOutsideTheCodePageAreLost)
{
    UseExcel4Only();
    Put(0, 0, u8"\u03b1\u03b2\u03b3");
    Excel().SetCaller(XLREF{0, 0, 1, 1});
    XLOPER data = Excel().Reference(XLREF{0, 0, 0, 0});
    XLOPER missing{};
    missing.xltype = xltype::Missing;
    const auto* result = reinterpret_cast<const XLOPER*>(xllQSAMPLE(
        reinterpret_cast<XlfValue*>(&data), reinterpret_cast<XlfValue*>(&missing), reinterpret_cast<XlfValue*>(&missing)));
    ASSERT_NE(result, nullptr);
    ASSERT_EQ(result->xltype, xltype::Multi);
    EXPECT_EQ(FormatValue(result->val.array.lparray[0]), "???");
}
