#include <algorithm>
#include <string>
#include <vector>

#include "tests/worksheet/WorksheetFixture.h"

namespace {
// A 4 x 2 data array: the first column names the row, the second weighs it.
class SampleFunctionTest : public WorksheetTest {
protected:
    void SetUp() override
    {
        WorksheetTest::SetUp();
        for (int r = 0; r < 4; ++r) {
            m_cells[2 * r] = Text("row" + std::to_string(r));
            m_cells[2 * r + 1] = Num(r < 2 ? 1.0 : 0.0); // only rows 0 and 1 weigh
        }
        m_data = Kind(xltype::Multi);
        m_data.val.array = {m_cells, 4, 2};
    }

    std::vector<std::string> Column(const XLOPER* result, int column, int columns)
    {
        std::vector<std::string> texts;
        const auto cells = Cells(result);
        for (std::size_t i = static_cast<std::size_t>(column); i < cells.size(); i += static_cast<std::size_t>(columns)) {
            texts.push_back(FormatValue(cells[i]));
        }
        return texts;
    }

    XLOPER m_data{};
    XLOPER m_cells[8]{};
};
} // namespace

TEST_F(SampleFunctionTest, UniqueWithoutWeightsGivesEveryRowOnceThenBlanks)
{
    SetCaller(0, 5, 0, 2); // 6 rows, 3 columns
    XLOPER missing = Missing();
    XLOPER yes = Bool(true);
    const XLOPER* result = Xl4(xllQSAMPLE(In(&m_data), In(&missing), In(&yes)));
    ASSERT_NE(result, nullptr);
    ASSERT_EQ(result->xltype, xltype::Multi);
    auto names = Column(result, 0, 3);
    EXPECT_EQ(names[4], "");
    EXPECT_EQ(names[5], "");
    names.resize(4);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"row0", "row1", "row2", "row3"}));
    for (const XLOPER& cell : Cells(result)) {
        EXPECT_TRUE(cell.xltype == xltype::Str || cell.xltype == xltype::Num);
    }
    EXPECT_EQ(Column(result, 2, 3), std::vector<std::string>(6, "")); // wider than the data
    EXPECT_EQ(Excel().Outstanding(), 0u);                            // the coerced array was freed
}

TEST_F(SampleFunctionTest, WeightedUniqueStopsWhenPositiveWeightsRunOut)
{
    SetCaller(0, 4, 0, 1);
    XLOPER column = Num(2);
    XLOPER yes = Bool(true);
    auto names = Column(Xl4(xllQSAMPLE(In(&m_data), In(&column), In(&yes))), 0, 2);
    EXPECT_EQ(std::vector<std::string>(names.begin() + 2, names.end()), std::vector<std::string>(3, ""));
    names.resize(2);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"row0", "row1"}));
}

TEST_F(SampleFunctionTest, WithoutACallingCellSamplesOneRowOfOneCell)
{
    Excel().SetNoCaller(); // a macro's call: xlfCaller answers #REF!
    XLOPER column = Num(2);
    XLOPER missing = Missing();
    const auto names = Column(Xl4(xllQSAMPLE(In(&m_data), In(&column), In(&missing))), 0, 1);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(names[0] == "row0" || names[0] == "row1") << names[0];
}

TEST_F(SampleFunctionTest, WeightedDrawsNeverPickWeightlessRows)
{
    SetCaller(0, 199, 0, 0);
    XLOPER column = Num(2.7); // truncated to 2
    XLOPER missing = Missing();
    for (const std::string& name : Column(Xl4(xllQSAMPLE(In(&m_data), In(&column), In(&missing))), 0, 1)) {
        ASSERT_TRUE(name == "row0" || name == "row1") << name;
    }
}

TEST_F(SampleFunctionTest, WeightColumnOutsideTheDataGivesValueError)
{
    XLOPER missing = Missing();
    for (double bad : {0.0, 0.5, 3.0, -1.0, 1e300, std::nan("")}) {
        XLOPER column = Num(bad);
        EXPECT_TRUE(IsValueError(Xl4(xllQSAMPLE(In(&m_data), In(&column), In(&missing))))) << bad;
    }
    XLOPER last = Num(2);
    EXPECT_EQ(Xl4(xllQSAMPLE(In(&m_data), In(&last), In(&missing)))->xltype, xltype::Multi);
    // A text weight cannot be read as a number.
    XLOPER first = Num(1);
    EXPECT_TRUE(IsValueError(Xl4(xllQSAMPLE(In(&m_data), In(&first), In(&missing)))));
    EXPECT_EQ(Excel().Outstanding(), 0u);
}

TEST_F(SampleFunctionTest, CopiedCellsKeepTheirKinds)
{
    XLOPER cells[6] = {Num(2.5), Kind(xltype::Int), Bool(false), Kind(xltype::Err), Kind(xltype::Nil), Missing()};
    cells[1].val.w = -7;
    cells[3].val.err = xlerr::NA;
    XLOPER data = Kind(xltype::Multi);
    data.val.array = {cells, 1, 6};
    SetCaller(0, 0, 0, 5);
    XLOPER missing = Missing();
    const auto result = Cells(Xl4(xllQSAMPLE(In(&data), In(&missing), In(&missing))));
    ASSERT_EQ(result.size(), 6u);
    EXPECT_EQ(result[0].xltype, xltype::Num);
    EXPECT_EQ(result[1].xltype, xltype::Int);
    EXPECT_EQ(result[1].val.w, -7);
    EXPECT_EQ(result[2].xltype, xltype::Bool);
    EXPECT_EQ(result[3].xltype, xltype::Err);
    EXPECT_EQ(result[3].val.err, xlerr::NA);
    EXPECT_EQ(FormatValue(result[4]), "");
    EXPECT_EQ(result[4].xltype, xltype::Str);
    EXPECT_EQ(result[5].xltype, xltype::Str);
}

TEST_F(SampleFunctionTest, DataThatCannotBeAnArrayGivesValueError)
{
    XLOPER missing = Missing();
    Excel().ForceCode(XlFunction::Coerce, xlret::Failed);
    EXPECT_TRUE(IsValueError(Xl4(xllQSAMPLE(In(&m_data), In(&missing), In(&missing)))));
    SetCaller(0, 65535, 0, 0);
    Excel().Reset();
    Excel().SetCaller(XLREF{0, 65535, 0, 0});
    EXPECT_TRUE(IsValueError(Xl4(xllQSAMPLE(In(&m_data), In(&missing), In(&missing))))); // result shape too tall
    EXPECT_EQ(Excel().Outstanding(), 0u);
}
