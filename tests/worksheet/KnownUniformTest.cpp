// QRAND and QRANDBETWEEN with a seed over a 3 x 4 caller, held to known
// answers made from numpy's MT19937 (tests/worksheet/data/known_uniform.txt).
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/DataLines.h"
#include "tests/worksheet/WorksheetFixture.h"

using KnownUniformTest = WorksheetTest;

TEST_F(KnownUniformTest, SeededCallsOverThreeByFourGiveTheKnownValuesRowByRow)
{
    const std::vector<std::string> lines = ReadDataLines("worksheet/data/known_uniform.txt");
    ASSERT_EQ(lines.size(), 8u);
    for (const std::string& line : lines) {
        std::istringstream fields(line);
        std::string function;
        double seedValue = 0;
        fields >> function >> seedValue;
        std::int32_t min = 0;
        std::int32_t max = 0;
        if (function == "qrandbetween") {
            fields >> min >> max;
        }
        std::vector<double> expected;
        for (double v = 0; fields >> v;) {
            expected.push_back(v);
        }
        ASSERT_EQ(expected.size(), 12u) << line;
        SetCaller(0, 2, 0, 3);
        XLOPER seed = Num(seedValue);
        const XLOPER* result = function == "qrand" ? Xl4(xllQRAND(In(&seed))) : Xl4(xllQRANDBETWEEN(min, max, In(&seed)));
        ASSERT_NE(result, nullptr);
        ASSERT_EQ(result->xltype, xltype::Multi) << line;
        EXPECT_EQ(result->val.array.rows, 3);
        EXPECT_EQ(result->val.array.columns, 4);
        const std::vector<XLOPER> cells = Cells(result);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            ASSERT_EQ(cells[i].xltype, xltype::Num);
            EXPECT_EQ(cells[i].val.num, expected[i]) << line << " cell " << i;
        }
    }
}
