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
    m_linesPerBlock = m_lineLength > 0 ? std::max<std::uint32_t>(cap / m_lineLength, 1) : 1;
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
    return {start, firstLine, length, std::min(m_linesPerBlock, m_columns - firstLine)};
}

std::vector<CCellBlock> DonePart(CFillOrder order, const CCellBlock& block, std::uint64_t done)
{
    std::vector<CCellBlock> part;
    const bool rowByRow = order == CFillOrder::RowByRow;
    const std::uint32_t lineLength = rowByRow ? block.columns : block.rows;
    const std::uint32_t lines = rowByRow ? block.rows : block.columns;
    if (lineLength == 0)
        return part;
    const auto whole = static_cast<std::uint32_t>(std::min<std::uint64_t>(done / lineLength, lines));
    const auto rest = static_cast<std::uint32_t>(done - static_cast<std::uint64_t>(whole) * lineLength);
    if (rowByRow) {
        if (whole > 0)
            part.push_back({block.row, block.column, whole, block.columns});
        if (whole < lines && rest > 0)
            part.push_back({block.row + whole, block.column, 1, rest});
    } else {
        if (whole > 0)
            part.push_back({block.row, block.column, block.rows, whole});
        if (whole < lines && rest > 0)
            part.push_back({block.row, block.column + whole, rest, 1});
    }
    return part;
}

const double* RowMajorValues(CFillOrder order, const CCellBlock& block, const double* drawn,
                             std::vector<double>& scratch)
{
    if (order == CFillOrder::RowByRow || block.columns == 1)
        return drawn;
    scratch.resize(static_cast<std::size_t>(block.Cells()));
    for (std::uint32_t column = 0; column < block.columns; ++column) {
        for (std::uint32_t row = 0; row < block.rows; ++row)
            scratch[std::size_t(row) * block.columns + column] = *drawn++;
    }
    return scratch.data();
}
