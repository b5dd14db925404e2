// Random Fill through the test Excel: the dialog's opening, refusals and
// saved names, Esc and failures during the fill, the writes it makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tests/support/ExcelScript.h"

namespace {

std::string ScriptPath(const std::string& name)
{
    return std::string(STOCHAL_SOURCE_DIR) + "/tests/commands/fill/scripts/" + name;
}

class FillScripts : public ExcelScriptTest {
protected:
    static ScriptOutput PlayScript(const std::string& script)
    {
        const HostRun run = PlayFile(ScriptPath(script));
        EXPECT_EQ(run.errors, "");
        return ScriptOutput(run.lines);
    }
};

void ExpectRestored(ScriptOutput& out)
{
    out.Expect("Cursor\t-4143\tlcid=0x0409");
    out.Expect("ScreenUpdating\tTRUE\tlcid=0x0409");
}

void ExpectNames(ScriptOutput& out, const std::string& output, const std::string& max, const std::string& min,
                 const std::string& unique, const std::string& type)
{
    out.Expect("StochalOutputRange=" + output);
    out.Expect("StochalRangeMax=" + max);
    out.Expect("StochalRangeMin=" + min);
    out.Expect("StochalRangeUnique=" + unique);
    out.Expect("StochalType=" + type);
}

double Unit(const std::string& cell)
{
    EXPECT_FALSE(cell.empty());
    const double value = std::stod(cell);
    EXPECT_TRUE(value >= 0.0 && value < 1.0) << cell;
    return value;
}

void ExpectColumnFilled(const std::vector<std::vector<std::string>>& rows, std::size_t column, bool filled)
{
    for (const auto& row : rows) {
        ASSERT_GT(row.size(), column);
        if (filled)
            Unit(row[column]);
        else
            EXPECT_EQ(row[column], "");
    }
}

std::size_t CountOf(const std::vector<std::string>& lines, const std::string& member)
{
    for (const std::string& line : lines) {
        const std::vector<std::string> cells = SplitTabs(line);
        if (cells.size() == 2 && cells[0] == member && cells[1].rfind("lcid=", 0) != 0)
            return std::stoul(cells[1]);
    }
    return 0;
}

} // namespace

TEST_F(FillScripts, OpensWithDefaultsSelectionAndRememberedChoices)
{
    ExpectOutput(ScriptPath("opening.txt"), ScriptPath("opening.expected"));
}

TEST_F(FillScripts, RefusesBadEntriesWithTheirMessageAndFocus)
{
    ScriptOutput out = PlayScript("refusals.txt");
    out.Expect("register 0x00000000");
    out.Expect("connect 0x00000000");
    const std::pair<const char*, const char*> refusals[] = {
        {"This is not a valid range.", "206"},
        {"This is not a valid range.", "206"},
        {"This is not a valid minimum.", "203"}, // +5
        {"This is not a valid minimum.", "203"}, // leading blank
        {"This is not a valid minimum.", "203"}, // 5.0
        {"This is not a valid minimum.", "203"}, // empty
        {"This is not a valid minimum.", "203"}, // beyond 32 bits
        {"This is not a valid maximum.", "204"},
        {"This is not a valid maximum.", "204"}, // beyond 32 bits
        {"The maximum should be greater than the minimum.", "204"},
        {"The difference between the minimum and maximum is not large enough to generate unique values in each "
         "column.",
         "204"}};
    for (const auto& refusal : refusals) {
        out.Expect(std::string("message\tError\t") + refusal.first);
        out.Expect(std::string("focus\t") + refusal.second);
    }
    // Ten rows from 1 to 10, unique: every column a permutation.
    const auto cells = out.TakeCells(11);
    for (std::size_t column = 0; column < 2; ++column) {
        std::vector<int> values;
        for (std::size_t row = 0; row < 10; ++row)
            values.push_back(std::stoi(cells[row][column]));
        std::sort(values.begin(), values.end());
        EXPECT_EQ(values, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10})) << "column " << column;
    }
    EXPECT_EQ(cells[10], (std::vector<std::string>{"", ""}));
    ExpectNames(out, "A1:B10", "10", "1", "YES", "RANGE");
    ExpectRestored(out);
    // A lone minus sign: whole numbers from 0 to 2, the text saved as typed.
    for (const auto& row : out.TakeCells(20)) {
        ASSERT_EQ(row.size(), 1u);
        const int value = std::stoi(row[0]);
        EXPECT_TRUE(value >= 0 && value <= 2) << row[0];
    }
    ExpectNames(out, "$A$1:$A$20", "2", "-", "NO", "RANGE");
    out.Expect("objects 0");
    out.Expect("unregister 0x00000000");
}

TEST_F(FillScripts, BetweenZeroAndOneSavesOnlyTypeAndOutput)
{
    ScriptOutput out = PlayScript("between01.txt");
    out.TakeThrough("connect");
    const std::vector<std::string> opening = out.TakeThrough("Range.Count");
    EXPECT_EQ(CountOf(opening, "Application.ExecuteExcel4Macro"), 5u); // the five names read
    const std::vector<std::string> okAndFill = out.TakeThrough("Range.Value=");
    EXPECT_EQ(CountOf(okAndFill, "Application.ExecuteExcel4Macro"), 2u); // two names written
    ExpectNames(out, "$C$1:$C$3", "9", "3", "YES", "01");
    ExpectRestored(out);
}

TEST_F(FillScripts, EscAndAFailedWriteKeepWhatWasWrittenAndRestoreExcel)
{
    ScriptOutput out = PlayScript("interrupted.txt");
    out.TakeThrough("connect");
    // Esc after the first block: columns A and B are written, top to bottom.
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            // The second block's write fails: the user is told, A and B stay.
            out.Expect("owner\tXLMAIN\tMicrosoft Excel - Book1");
            out.Expect("message\tError\tUnexpected error.  Error 800A03EC (Unable to set the Value property of the "
                       "Range class).");
        }
        for (const auto& cells : {out.TakeCells(1), out.TakeCells(1)}) {
            ExpectColumnFilled(cells, 0, true);
            ExpectColumnFilled(cells, 1, true);
            ExpectColumnFilled(cells, 2, false);
            ExpectColumnFilled(cells, 3, false);
        }
        ExpectRestored(out);
    }
}

// Each member's id is looked up once in a process: the lookups of two
// fills are one a member, a third fill looks nothing up.
std::map<std::string, int> Counts(const std::vector<std::string>& lines)
{
    std::map<std::string, int> counts;
    for (const std::string& line : lines) {
        const std::vector<std::string> cells = SplitTabs(line);
        if (cells.size() == 2 && line.rfind("objects", 0) != 0)
            counts[cells[0]] = std::stoi(cells[1]);
    }
    return counts;
}

TEST_F(FillScripts, WritesSeveralAreasCellByCellAndOneAreaInBlocksOfColumns)
{
    ScriptOutput out = PlayScript("areas.txt");
    out.TakeThrough("connect");
    out.TakeThrough("Range.Count"); // the dialog's opening
    const std::vector<std::string> multiArea = out.TakeThrough("Range.Rows");
    EXPECT_EQ(CountOf(multiArea, "Range.Item="), 4u);
    EXPECT_EQ(CountOf(multiArea, "Range.Value="), 0u);
    // Rows and columns of the first area, cells where Item puts them.
    const auto cells = out.TakeCells(5);
    for (std::size_t row = 0; row < 5; ++row) {
        for (std::size_t column = 0; column < 4; ++column) {
            if (row < 2 && column < 2)
                Unit(cells[row][column]);
            else
                EXPECT_EQ(cells[row][column], "") << row << "," << column;
        }
    }
    // 1000 rows by 50 columns: four columns a write.
    out.TakeThrough("Range.Count");
    const std::vector<std::string> block = out.TakeThrough("objects");
    EXPECT_EQ(CountOf(block, "Range.Value="), 13u);
    EXPECT_EQ(CountOf(block, "Range.Item="), 0u);
    for (const std::string& line : block) {
        if (line.find("\tlcid=") != std::string::npos) {
            EXPECT_EQ(SplitTabs(line).at(1), "lcid=0x0409") << line;
        }
    }
    const std::map<std::string, int> lookups = Counts(out.TakeThrough("objects"));
    for (const char* member : {"Range.Item", "Range.Resize", "Range.Value", "Application.Selection"})
        EXPECT_EQ(lookups.count(member), 1u) << member;
    for (const auto& lookup : lookups)
        EXPECT_EQ(lookup.second, 1) << lookup.first;
    // A1:XFD1: four writes of 4096 cells; no member looked up again; every
    // member called in English (United States).
    const std::vector<std::string> rest = out.TakeThrough("objects");
    EXPECT_EQ(CountOf(rest, "Range.Value="), 4u);
    std::size_t locales = 0;
    for (const std::string& line : rest) {
        const std::vector<std::string> parts = SplitTabs(line);
        ASSERT_EQ(parts.size(), line.rfind("objects", 0) == 0 ? 1u : 2u) << line;
        if (parts.size() == 2 && parts[1].rfind("lcid=", 0) == 0) {
            EXPECT_EQ(parts[1], "lcid=0x0409") << line;
            ++locales;
        }
    }
    EXPECT_GT(locales, 5u);
    EXPECT_EQ(rest.size(), 2 * locales + 1) << "a call count, a locale a member, and nothing looked up";
}

TEST_F(FillScripts, AQuoteInTheOutputRangeIsSavedAsItIs)
{
    ScriptOutput out = PlayScript("quote.txt");
    out.TakeThrough("connect");
    ExpectNames(out, "'Q\"uote'!$A$1:$A$2", "100", "0", "NO", "RANGE");
    for (const auto& row : out.TakeCells(2)) {
        const int value = std::stoi(row[0]);
        EXPECT_TRUE(value >= 0 && value <= 100);
    }
}
