#include "commands/distfill/DistFillWrapper.h"

#include <utility>

#include "settings/SettingsStore.h"
#include "win/com/ComError.h"
#include "win/com/OfficeInterfaces.h"
#include "win/excel/ObjectClasses.h"

namespace {

// An object Excel returned; Excel answers some requests (the active
// workbook with none open) with an empty object, which is E_POINTER here.
CDispatch Returned(const CVariant& value, CDispatchClass& type)
{
    if (!value.Object())
        throw CComError(E_POINTER, L"");
    return CDispatch(value.Object(), type);
}

std::uint32_t Count(long count)
{
    return count > 0 ? static_cast<std::uint32_t>(count) : 0;
}

} // namespace

CDistFillWrapper::CDistFillWrapper(CExcelApplication application) : m_application(std::move(application)) {}

CDistFillWrapper::~CDistFillWrapper()
{
    if (!m_screenUpdatingOff)
        return;
    try {
        m_application.SetScreenUpdating(true);
    } catch (const CComError&) {
        // The command restores it once more, and reports nothing either.
    }
}

CSettingsKey CDistFillWrapper::OpenSettingsKey()
{
    return SettingsStore().Section("Distributions");
}

void CDistFillWrapper::PrepareNewWorksheet()
{
    const CDispatch workbook = Returned(m_application.Object().Get(L"ActiveWorkbook"), object_class::Workbook());
    const CDispatch sheets = Returned(workbook.Get(L"Worksheets"), object_class::Sheets());
    const CDispatch sheet = Returned(sheets.Call(L"Add"), object_class::Worksheet());
    m_target = CExcelRange::From(Returned(sheet.Get(L"Cells"), object_class::Range()));
}

void CDistFillWrapper::WriteNewWorksheetValues(const CCellBlock& block, const double* values)
{
    Write(block, values);
}

void CDistFillWrapper::EndNewWorksheet()
{
    ReleaseTarget();
}

bool CDistFillWrapper::IsValidAddress(const std::wstring& address)
{
    try {
        m_application.Range(address);
        return true;
    } catch (const CComError&) {
        return false;
    }
}

void CDistFillWrapper::PrepareAddress(const std::wstring& address)
{
    m_target = m_application.Range(address);
}

void CDistFillWrapper::GetAddressSize(std::uint32_t& columns, std::uint32_t& rows)
{
    TargetSize(columns, rows);
}

void CDistFillWrapper::WriteAddressValues(const CCellBlock& block, const double* values)
{
    Write(block, values);
}

void CDistFillWrapper::EndAddress()
{
    ReleaseTarget();
}

bool CDistFillWrapper::HasUsableSelection()
{
    try {
        const CExcelRange selection = CExcelRange::From(m_application.WindowSelection());
        return selection.RowCount() >= 1 && selection.ColumnCount() >= 1;
    } catch (const CComError&) {
        return false;
    }
}

void CDistFillWrapper::PrepareSelection()
{
    const CDispatch selection = m_application.WindowSelection();
    // A chart or a shape leaves no target; the size query then fails.
    m_target = selection.Supports(IID_ExcelRange) ? CExcelRange::From(selection) : CExcelRange();
}

void CDistFillWrapper::GetSelectionSize(std::uint32_t& columns, std::uint32_t& rows)
{
    TargetSize(columns, rows);
}

void CDistFillWrapper::WriteSelectionValues(const CCellBlock& block, const double* values)
{
    Write(block, values);
}

void CDistFillWrapper::EndSelection()
{
    ReleaseTarget();
}

void CDistFillWrapper::TargetSize(std::uint32_t& columns, std::uint32_t& rows) const
{
    columns = Count(m_target.ColumnCount());
    rows = Count(m_target.RowCount());
}

void CDistFillWrapper::Write(const CCellBlock& block, const double* values)
{
    const long row = static_cast<long>(block.row) + 1;
    const long column = static_cast<long>(block.column) + 1;
    if (block.Cells() == 1) {
        m_target.SetCell(row, column, CVariant::Double(values[0]));
    } else {
        CValueTable table(static_cast<long>(block.rows), static_cast<long>(block.columns));
        for (long r = 0; r < table.Rows(); ++r)
            for (long c = 0; c < table.Columns(); ++c)
                table.At(r, c) = CVariant::Double(*values++);
        m_target.Cell(row, column).Resize(table.Rows(), table.Columns()).SetValue(table.ToArray());
    }
    if (!m_screenUpdatingOff) {
        m_application.SetScreenUpdating(false);
        m_screenUpdatingOff = true;
    }
}
