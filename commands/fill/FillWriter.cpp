#include "commands/fill/FillWriter.h"

#include <algorithm>
#include <vector>

#include "win/ui/EscapeKey.h"

namespace {

// The most cells one Range.Value put carries (unless a single column is
// taller): every put can make Excel recalculate its volatile cells, so a
// one-row target of 16,384 cells takes four puts, while the block's values
// stay small beside the range.
constexpr long kBlockCells = 4096;

CVariant CellValue(const CFillValue& value)
{
    return value.isReal ? CVariant::Double(value.real) : CVariant::Long(value.whole);
}

// Values drawn column by column, each column `rows` tall, written as one
// block from firstColumn on.
void WriteColumns(const CExcelRange& target, long firstColumn, long rows, const std::vector<CFillValue>& drawn)
{
    const long width = static_cast<long>(drawn.size()) / rows;
    CValueTable table(rows, width);
    for (long column = 0; column < width; ++column) {
        for (long row = 0; row < rows; ++row)
            table.At(row, column) = CellValue(drawn[static_cast<size_t>(column) * rows + row]);
    }
    target.SetBlock(1, firstColumn, table);
}

// A range of several areas has no single block: each cell is written
// through Item, at the position Item gives it.
void WriteColumnCells(const CExcelRange& target, long column, const std::vector<CFillValue>& values)
{
    for (size_t row = 0; row < values.size(); ++row)
        target.SetCell(static_cast<long>(row) + 1, column, CellValue(values[row]));
}

bool WriteAreas(const CExcelRange& target, long rows, long columns, CColumnDrawer& drawer, CMersenneTwister& engine)
{
    std::vector<CFillValue> values;
    for (long column = 1; column <= columns; ++column) {
        drawer.Draw(engine, rows, values);
        WriteColumnCells(target, column, values);
        if (!values.empty() && EscapePressed())
            return false;
    }
    return true;
}

// Whole columns a block. A column cut short (a unique column whose range
// ran out) ends its block and is written on its own, as far as it goes.
bool WriteBlocks(const CExcelRange& target, long rows, long columns, CColumnDrawer& drawer, CMersenneTwister& engine)
{
    const long perBlock = std::max(1L, kBlockCells / rows);
    std::vector<CFillValue> column;
    std::vector<CFillValue> block;
    long next = 1;
    while (next <= columns) {
        const long first = next;
        block.clear();
        bool cutShort = false;
        while (next <= columns && next - first < perBlock) {
            drawer.Draw(engine, rows, column);
            ++next;
            cutShort = static_cast<long>(column.size()) < rows;
            if (cutShort)
                break;
            if (block.empty())
                block.swap(column); // a tall column is its block: no copy
            else
                block.insert(block.end(), column.begin(), column.end());
        }
        if (!block.empty())
            WriteColumns(target, first, rows, block);
        if (cutShort && !column.empty())
            WriteColumns(target, next - 1, static_cast<long>(column.size()), column);
        if (EscapePressed())
            return false;
    }
    return true;
}

} // namespace

bool WriteFill(const CExcelRange& target, const CFillChoice& choice, CMersenneTwister& engine)
{
    const long rows = target.RowCount();
    const long columns = target.ColumnCount();
    CColumnDrawer drawer(choice);
    if (target.AreaCount() != 1)
        return WriteAreas(target, rows, columns, drawer, engine);
    return WriteBlocks(target, rows, columns, drawer, engine);
}
