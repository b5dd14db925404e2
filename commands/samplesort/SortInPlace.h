#pragma once
#include <cstdint>
#include <vector>

#include "commands/samplesort/SortPlan.h"
#include "win/com/ValueArray.h"
#include "win/excel/ExcelObjects.h"

// Rearranges the selection's values in place. The whole selection is read
// before anything is written, so every target cell gets the contents as
// they were: numbers, logicals, errors and texts alike, a text never read
// by Excel as a number, date or formula. A single block is read with one
// Value call, kept as Excel gave it, and written in runs of whole rows, one
// call a run, each run built straight from what was read; a selection of
// several areas is read and written cell by cell. If Excel fails part-way,
// the cells already written get their original values back before the
// error goes on, so no row is lost or doubled; so they do when the user
// presses Esc before the last run is written, and the sort stops.
class CInPlaceSort {
public:
    CInPlaceSort(const CExcelRange& selection, long rows, long columns);

    // sources: for each target cell (row-major), its source cell; rows:
    // the target rows to write, in runs.
    void Apply(const std::vector<std::uint32_t>& sources, const std::vector<RowBlock>& rows);

private:
    CValueArray ReadAll() const;
    // Writes the run's rows, each cell receiving the original value of its
    // source (sources null: of itself), at most `limit` cells of it when
    // cell by cell; `attempted` counts the cells whose write was started.
    void WriteRun(const std::vector<std::uint32_t>* sources, const RowBlock& run, std::uint64_t limit,
                  std::uint64_t& attempted) const;
    // The value read from cell number `source` (row-major).
    const VARIANT& Original(std::uint32_t source) const;
    void Restore(const std::vector<RowBlock>& rows, std::size_t failedRun, std::uint64_t attemptedInFailed) const;

    CExcelRange m_selection;
    long m_rows;
    long m_columns;
    bool m_oneBlock;
    CValueArray m_original;
};
