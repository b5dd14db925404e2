#include "commands/fill/FillWriter.h"

#include <vector>

#include "win/ui/EscapeKey.h"

namespace {

CVariant CellValue(const CFillValue& value)
{
    return value.isReal ? CVariant::Double(value.real) : CVariant::Long(value.whole);
}

// One Range.Value put for the whole column: every cell write can make Excel
// recalculate its volatile cells, so one write a column instead of one a
// cell keeps large fills fast.
void WriteColumnBlock(const CExcelRange& target, long column, const std::vector<CFillValue>& values)
{
    const long rows = static_cast<long>(values.size());
    CValueTable table(rows, 1);
    for (long row = 0; row < rows; ++row)
        table.At(row, 0) = CellValue(values[static_cast<size_t>(row)]);
    target.Cell(1, column).Resize(rows, 1).SetValue(table.ToArray());
}

// A range of several areas has no single block per column: each cell is
// written through Item, at the position Item gives it.
void WriteColumnCells(const CExcelRange& target, long column, const std::vector<CFillValue>& values)
{
    for (size_t row = 0; row < values.size(); ++row)
        target.SetCell(static_cast<long>(row) + 1, column, CellValue(values[row]));
}

} // namespace

bool WriteFill(const CExcelRange& target, const CFillChoice& choice, CMersenneTwister& engine)
{
    const long rows = target.RowCount();
    const long columns = target.ColumnCount();
    const bool oneBlock = target.AreaCount() == 1;
    CColumnDrawer drawer(choice);
    std::vector<CFillValue> values;
    for (long column = 1; column <= columns; ++column) {
        drawer.Draw(engine, rows, values);
        if (values.empty())
            continue;
        if (oneBlock)
            WriteColumnBlock(target, column, values);
        else
            WriteColumnCells(target, column, values);
        if (EscapePressed())
            return false;
    }
    return true;
}
