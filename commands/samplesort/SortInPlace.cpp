#include "commands/samplesort/SortInPlace.h"

#include <limits>

#include "commands/samplesort/SelectionCommand.h"
#include "win/com/ComError.h"
#include "win/ui/EscapeKey.h"
#include "win/ui/MessageBoxes.h"

namespace {

constexpr std::uint64_t kWholeRun = std::numeric_limits<std::uint64_t>::max();

} // namespace

CInPlaceSort::CInPlaceSort(const CExcelRange& selection, long rows, long columns)
    : m_selection(selection)
    , m_rows(rows)
    , m_columns(columns)
    , m_oneBlock(selection.AreaCount() == 1)
    , m_original(ReadAll())
{
    // Values are written back as read; a text must come back as that text.
    for (long r = 0; r < m_rows; ++r) {
        for (long c = 0; c < m_columns; ++c) {
            if (V_VT(&m_original.At(r, c)) == VT_BSTR)
                m_original.Set(r, c, ValueToWrite(CVariant::Copy(m_original.At(r, c))).Get());
        }
    }
}

CValueArray CInPlaceSort::ReadAll() const
{
    if (m_oneBlock) {
        CValueArray values = CValueArray::FromValue(m_selection.Value());
        if (values.Rows() == m_rows && values.Columns() == m_columns)
            return values;
    }
    CValueArray values(m_rows, m_columns);
    for (long r = 0; r < m_rows; ++r) {
        for (long c = 0; c < m_columns; ++c)
            values.Set(r, c, m_selection.Cell(r + 1, c + 1).Value().Get());
    }
    return values;
}

const VARIANT& CInPlaceSort::Original(std::uint32_t source) const
{
    return m_original.At(static_cast<long>(source / m_columns), static_cast<long>(source % m_columns));
}

void CInPlaceSort::Apply(const std::vector<std::uint32_t>& sources, const std::vector<RowBlock>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (EscapePressed()) {
            if (i > 0)
                Restore(rows, i - 1, kWholeRun);
            return;
        }
        std::uint64_t attempted = 0;
        try {
            WriteRun(&sources, rows[i], kWholeRun, attempted);
        } catch (const CComError& error) {
            try {
                Restore(rows, i, attempted);
            } catch (const CComError& restoreError) {
                throw CCommandError(ComErrorText(L"Unexpected error. ", error) + L"\n\n"
                    + ComErrorText(L"The cells already written could not be given back their values.", restoreError));
            }
            throw;
        }
    }
}

void CInPlaceSort::WriteRun(const std::vector<std::uint32_t>* sources, const RowBlock& run, std::uint64_t limit,
                            std::uint64_t& attempted) const
{
    const auto first = static_cast<long>(run.first);
    const auto sourceOf = [&](long r, long c) {
        const auto cell = static_cast<std::uint32_t>(static_cast<std::uint64_t>(r) * m_columns + c);
        return sources ? (*sources)[cell] : cell;
    };
    if (m_oneBlock) {
        attempted += std::uint64_t(run.count) * m_columns;
        CValueArray values(static_cast<long>(run.count), m_columns);
        for (long r = 0; r < values.Rows(); ++r) {
            for (long c = 0; c < m_columns; ++c)
                values.Set(r, c, Original(sourceOf(first + r, c)));
        }
        if (run.first == 0 && run.count == static_cast<std::uint32_t>(m_rows))
            m_selection.SetValue(values.Value());
        else
            m_selection.Cell(first + 1, 1).Resize(static_cast<long>(run.count), m_columns).SetValue(values.Value());
        return;
    }
    for (long r = first; r < first + static_cast<long>(run.count); ++r) {
        for (long c = 0; c < m_columns; ++c) {
            if (attempted == limit)
                return;
            ++attempted;
            m_selection.SetCell(r + 1, c + 1, CVariant::Copy(Original(sourceOf(r, c))));
        }
    }
}

void CInPlaceSort::Restore(
    const std::vector<RowBlock>& rows, std::size_t failedRun, std::uint64_t attemptedInFailed) const
{
    for (std::size_t i = 0; i <= failedRun; ++i) {
        std::uint64_t attempted = 0;
        WriteRun(nullptr, rows[i], i == failedRun ? attemptedInFailed : kWholeRun, attempted);
    }
}
