#pragma once
#include <cstdint>
#include <vector>

// How the fill job groups the cells of one rectangular target into blocks
// that each go to Excel in one call, while the values are still drawn one
// cell at a time in the output's own order.

// Row by row, left to right (the selection and the new worksheet), or
// column by column, top to bottom (an address).
enum class CFillOrder { RowByRow, ColumnByColumn };

// Cells of the target, counted from 0 at its top-left cell.
struct CCellBlock {
    std::uint32_t row;
    std::uint32_t column;
    std::uint32_t rows;
    std::uint32_t columns;

    std::uint64_t Cells() const { return static_cast<std::uint64_t>(rows) * columns; }
    bool operator==(const CCellBlock& other) const
    {
        return row == other.row && column == other.column && rows == other.rows && columns == other.columns;
    }
};

// About a thousand cells a call: few enough calls for a fast write, small
// enough arrays to build without noticeable memory.
constexpr std::uint32_t kBlockCells = 1024;

// The blocks of a rows x columns target, in draw order: as many whole rows
// (row by row) or whole columns (column by column) as fit in maxCells, or a
// piece of one line that is longer than that. Within a block the values
// are drawn in the target's order: row-major row by row, column-major
// column by column.
class CBlockPlan {
public:
    CBlockPlan(CFillOrder order, std::uint32_t rows, std::uint32_t columns, std::uint32_t maxCells = kBlockCells);

    std::uint64_t Count() const { return m_lines * m_piecesPerLine; }
    CCellBlock At(std::uint64_t index) const;

private:
    CFillOrder m_order;
    std::uint32_t m_rows;
    std::uint32_t m_columns;
    std::uint32_t m_lineLength;    // cells of one row (or column)
    std::uint32_t m_pieceLength;   // cells of one piece of a line
    std::uint32_t m_linesPerBlock; // whole lines per block
    std::uint64_t m_piecesPerLine;
    std::uint64_t m_lines;         // blocks along the line direction
};

// The cells of block that hold its first `done` values drawn in order: its
// whole lines (rows or columns) as one block and the start of the next line
// as another (either may be absent). What an aborted output writes of the
// block it was filling.
std::vector<CCellBlock> DonePart(CFillOrder order, const CCellBlock& block, std::uint64_t done);

// The values of block, drawn in order, laid out row-major as Excel takes
// them: drawn itself when that is already so, else their copy in scratch.
const double* RowMajorValues(CFillOrder order, const CCellBlock& block, const double* drawn,
                             std::vector<double>& scratch);
