#pragma once
#include <cstdint>

// A reference rectangle. The ends are one past the last row and column, so
// they are kept wider than Excel's 16-bit rows and 8-bit columns: a range
// touching row 65536 or column 256 has its end at 65536 or 256.
struct XlfRange {
    std::uint32_t firstRow = 0;
    std::uint32_t endRow = 0;
    std::uint32_t firstColumn = 0;
    std::uint32_t endColumn = 0;
    std::uint32_t sheetId = 0;

    std::uint32_t Rows() const { return endRow - firstRow; }
    std::uint32_t Columns() const { return endColumn - firstColumn; }
};
