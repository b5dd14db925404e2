// A seeded Random Fill through the test Excel equals the reference fills
// made with numpy (data/make_reference.py): reals, whole numbers, unique
// columns, and the full 32-bit range.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/ExcelScript.h"
#include "tests/support/DataLines.h"

namespace {

// The reference line of that kind and seed, as cells row by row.
std::vector<std::vector<double>> ReferenceCells(const std::string& kind, std::uint32_t seed)
{
    for (const std::string& line : ReadDataLines("commands/fill/data/fills.txt")) {
        std::istringstream fields(line);
        std::string lineKind;
        std::uint32_t lineSeed = 0;
        long long min = 0, max = 0;
        std::size_t rows = 0, columns = 0;
        fields >> lineKind >> lineSeed >> min >> max >> rows >> columns;
        if (lineKind != kind || lineSeed != seed)
            continue;
        std::vector<std::vector<double>> cells(rows, std::vector<double>(columns));
        for (std::size_t c = 0; c < columns; ++c) {
            for (std::size_t r = 0; r < rows; ++r) {
                long long value = 0;
                fields >> value;
                cells[r][c] = kind == "unit" ? static_cast<double>(value) / 4294967296.0 : static_cast<double>(value);
            }
        }
        return cells;
    }
    ADD_FAILURE() << "no reference " << kind << " " << seed;
    return {};
}

void ExpectCells(ScriptOutput& out, const std::string& kind, std::uint32_t seed)
{
    SCOPED_TRACE(kind + " seed " + std::to_string(seed));
    const auto expected = ReferenceCells(kind, seed);
    const auto cells = out.TakeCells(expected.size());
    for (std::size_t r = 0; r < expected.size(); ++r) {
        ASSERT_EQ(cells[r].size(), expected[r].size());
        for (std::size_t c = 0; c < expected[r].size(); ++c)
            EXPECT_EQ(std::stod(cells[r][c]), expected[r][c]) << "row " << r << " column " << c;
    }
}

} // namespace

using SeededFill = ExcelScriptTest;

TEST_F(SeededFill, EqualsTheReferenceFillsOfTheMainStream)
{
    const HostRun run = PlayFile(STOCHAL_SOURCE_DIR "/tests/commands/fill/scripts/seeded.txt");
    ScriptOutput out(run.lines);
    out.Expect("register 0x00000000");
    out.Expect("connect 0x00000000");
    ExpectCells(out, "unit", 1);
    ExpectCells(out, "int", 7);
    ExpectCells(out, "unique", 1);
    ExpectCells(out, "unique", 13);
    ExpectCells(out, "int", 3);
    out.Expect("objects 0");
}
