#pragma once
#include <cstdint>

// A reference rectangle anywhere on the grid. The ends are one past the
// last row and column: a range touching row 1,048,576 or column 16,384 has
// its end there.
struct XlfRange {
    std::uint32_t firstRow = 0;
    std::uint32_t endRow = 0;
    std::uint32_t firstColumn = 0;
    std::uint32_t endColumn = 0;
    std::uintptr_t sheetId = 0;

    std::uint32_t Rows() const { return endRow - firstRow; }
    std::uint32_t Columns() const { return endColumn - firstColumn; }
};
