#include <vector>

#include "commands/distfill/FillOutputs.h"

namespace {

using WriteValues = void (VGenerateWrapper::*)(const CCellBlock& block, const double* values);

// Draws a value for each cell of a rows x columns target in the given order
// and hands the values to Excel a block at a time, row-major. After Abort the values
// drawn so far in the current block are still written.
void FillCells(VGenerateWrapper& job, WriteValues write, CFillOrder order, std::uint32_t rows, std::uint32_t columns,
               const qdists::VDistribution& distribution, CUnitStream& stream)
{
    const CBlockPlan plan(order, rows, columns);
    std::vector<double> values;
    std::vector<double> scratch;
    std::uint64_t done = 0;
    for (std::uint64_t index = 0; index < plan.Count(); ++index) {
        const CCellBlock block = plan.At(index);
        values.clear();
        while (values.size() < block.Cells()) {
            values.push_back(distribution.Sample(stream));
            job.UpdateProgress(++done);
            if (job.IsAborted()) {
                const double* next = values.data();
                for (const CCellBlock& part : DonePart(order, block, values.size())) {
                    (job.*write)(part, RowMajorValues(order, part, next, scratch));
                    next += part.Cells();
                }
                return;
            }
        }
        (job.*write)(block, RowMajorValues(order, block, values.data(), scratch));
    }
}

std::uint64_t Cells(std::uint32_t columns, std::uint32_t rows)
{
    return static_cast<std::uint64_t>(columns) * rows;
}

} // namespace

void FillSelection(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream)
{
    job.PrepareSelection();
    std::uint32_t columns = 0;
    std::uint32_t rows = 0;
    job.GetSelectionSize(columns, rows);
    {
        CProgressScope progress(job, Cells(columns, rows));
        FillCells(job, &VGenerateWrapper::WriteSelectionValues, CFillOrder::RowByRow, rows, columns, distribution,
                  stream);
    }
    job.EndSelection();
}

void FillAddress(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream,
                 const std::wstring& address)
{
    job.PrepareAddress(address);
    std::uint32_t columns = 0;
    std::uint32_t rows = 0;
    job.GetAddressSize(columns, rows);
    CProgressScope progress(job, Cells(columns, rows));
    FillCells(job, &VGenerateWrapper::WriteAddressValues, CFillOrder::ColumnByColumn, rows, columns, distribution,
              stream);
    job.EndAddress();
}

void FillNewWorksheet(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream,
                      std::uint32_t columns, std::uint32_t rows)
{
    CProgressScope progress(job, Cells(columns, rows));
    job.PrepareNewWorksheet();
    FillCells(job, &VGenerateWrapper::WriteNewWorksheetValues, CFillOrder::RowByRow, rows, columns, distribution,
              stream);
    job.EndNewWorksheet();
}
