#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

#include "tests/xlhost/SheetModel.h"

// The cells a step names, on the workbook the test Excel plays.
namespace xlhost {

// Raises std::runtime_error ("no reference: TEXT") without a workbook or
// for a text that is no reference.
RangeRef StepReference(const std::string& text);

// Visits every cell of every area, row by row; an area of more than a
// million cells fails the step instead of running for minutes.
template <class Visit>
void ForEachCell(const RangeRef& reference, Visit visit)
{
    constexpr std::uint64_t kMostStepCells = 1000000;
    for (const Area& area : reference.areas) {
        if (area.Cells() > kMostStepCells) {
            throw std::runtime_error("too many cells for a step");
        }
        for (std::uint32_t r = area.row1; r <= area.row2; ++r) {
            for (std::uint32_t c = area.column1; c <= area.column2; ++c) {
                visit(r, c);
            }
        }
    }
}

} // namespace xlhost
