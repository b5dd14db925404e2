#include "commands/distfill/BlockPlan.h"

#include <algorithm>

namespace {

std::uint64_t CeilDiv(std::uint64_t a, std::uint64_t b)
{
    return (a + b - 1) / b;
}

} // namespace

CBlockPlan::CBlockPlan(CFillOrder order, std::uint32_t rows, std::uint32_t columns, std::uint32_t maxCells)
    : m_order(order), m_rows(rows), m_columns(columns)
{
    const std::uint32_t cap = std::max<std::uint32_t>(maxCells, 1);
    const std::uint32_t lines = order == CFillOrder::RowByRow ? rows : columns;
    m_lineLength = order == CFillOrder::RowByRow ? columns : rows;
    m_pieceLength = std::min(m_lineLength, cap);
    // Column by column a block is one column, so its row-major order is the
    // draw order; row by row whole rows keep it too.
    m_linesPerBlock = order == CFillOrder::RowByRow && m_lineLength > 0 ? std::max<std::uint32_t>(cap / m_lineLength, 1) : 1;
    m_piecesPerLine = m_lineLength == 0 ? 0 : CeilDiv(m_lineLength, m_pieceLength);
    m_lines = CeilDiv(lines, m_linesPerBlock);
}

CCellBlock CBlockPlan::At(std::uint64_t index) const
{
    const auto group = static_cast<std::uint32_t>(index / m_piecesPerLine);
    const auto piece = static_cast<std::uint32_t>(index % m_piecesPerLine);
    const std::uint32_t start = piece * m_pieceLength;
    const std::uint32_t length = std::min(m_pieceLength, m_lineLength - start);
    const std::uint32_t firstLine = group * m_linesPerBlock;
    if (m_order == CFillOrder::RowByRow)
        return {firstLine, start, std::min(m_linesPerBlock, m_rows - firstLine), length};
    return {start, firstLine, length, 1};
}

std::vector<CCellBlock> DonePart(const CCellBlock& block, std::uint64_t done)
{
    std::vector<CCellBlock> part;
    if (block.columns == 0)
        return part;
    const auto wholeRows = static_cast<std::uint32_t>(std::min<std::uint64_t>(done / block.columns, block.rows));
    if (wholeRows > 0)
        part.push_back({block.row, block.column, wholeRows, block.columns});
    const auto rest = static_cast<std::uint32_t>(done - static_cast<std::uint64_t>(wholeRows) * block.columns);
    if (wholeRows < block.rows && rest > 0)
        part.push_back({block.row + wholeRows, block.column, 1, std::min(rest, block.columns)});
    return part;
}
