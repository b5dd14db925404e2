#include "win/excel/ExcelObjects.h"

#include "win/com/ComError.h"
#include "win/com/OfficeInterfaces.h"
#include "win/excel/ObjectClasses.h"

CExcelRange CExcelRange::From(const CDispatch& object)
{
    if (!object.Supports(IID_ExcelRange))
        throw CComError(E_NOINTERFACE, L"");
    return CExcelRange(object.As(object_class::Range()));
}

long CExcelRange::RowCount() const
{
    return m_object.GetChild(L"Rows", object_class::Range()).GetLong(L"Count");
}

long CExcelRange::ColumnCount() const
{
    return m_object.GetChild(L"Columns", object_class::Range()).GetLong(L"Count");
}

long CExcelRange::CellCount() const
{
    return m_object.GetLong(L"Count");
}

long CExcelRange::AreaCount() const
{
    return m_object.GetChild(L"Areas", object_class::Areas()).GetLong(L"Count");
}

long CExcelRange::SheetColumn() const
{
    return m_object.GetLong(L"Column");
}

CExcelRange CExcelRange::Cell(long row, long column) const
{
    return CExcelRange(
        m_object.GetChild(L"Item", object_class::Range(), {CVariant::Long(row), CVariant::Long(column)}));
}

void CExcelRange::SetCell(long row, long column, const CVariant& value) const
{
    m_object.Put(L"Item", value, {CVariant::Long(row), CVariant::Long(column)});
}

CExcelRange CExcelRange::ColumnAt(long index) const
{
    const CDispatch columns = m_object.GetChild(L"Columns", object_class::Range());
    return CExcelRange(columns.GetChild(L"Item", object_class::Range(), {CVariant::Long(index)}));
}

CExcelRange CExcelRange::Resize(long rows, long columns) const
{
    return CExcelRange(
        m_object.GetChild(L"Resize", object_class::Range(), {CVariant::Long(rows), CVariant::Long(columns)}));
}

void CExcelRange::SetBlock(long row, long column, const CValueTable& table) const
{
    Cell(row, column).Resize(table.Rows(), table.Columns()).SetValue(table.ToArray());
}

CVariant CExcelRange::Value() const
{
    return m_object.Get(L"Value");
}

void CExcelRange::SetValue(const CVariant& value) const
{
    m_object.Put(L"Value", value);
}

CVariant CExcelRange::Text() const
{
    return m_object.Get(L"Text");
}

std::wstring CExcelRange::AddressText(const wchar_t* member) const
{
    std::wstring text;
    if (!m_object.Get(member, {CVariant::Bool(true), CVariant::Bool(true), CVariant::Long(xlA1)}).ToText(text))
        throw CComError(DISP_E_TYPEMISMATCH, L"");
    return text;
}

std::wstring CExcelRange::Address() const
{
    return AddressText(L"Address");
}

std::wstring CExcelRange::AddressLocal() const
{
    return AddressText(L"AddressLocal");
}

CVariant ValueToWrite(const CVariant& value)
{
    std::wstring text;
    if (value.Type() != VT_BSTR || !value.ToText(text))
        return value;
    return CVariant::Text(L"'" + text);
}

HWND CExcelApplication::MainWindow() const
{
    try {
        // A Long holding the whole handle: window handles keep their value in
        // 32 bits, sign-extended in a 64-bit process.
        return static_cast<HWND>(LongToHandle(m_object.GetLong(L"Hwnd")));
    } catch (const CComError&) {
        return nullptr;
    }
}

CDispatch CExcelApplication::CommandBars() const
{
    return m_object.GetChild(L"CommandBars", object_class::CommandBars());
}

void CExcelApplication::RegisterXLL(const std::wstring& path) const
{
    m_object.Call(L"RegisterXLL", {CVariant::Text(path)});
}

CVariant CExcelApplication::ExecuteExcel4Macro(const std::wstring& macro) const
{
    return m_object.Call(L"ExecuteExcel4Macro", {CVariant::Text(macro)});
}

CDispatch CExcelApplication::Selection() const
{
    return m_object.GetUntyped(L"Selection");
}

CDispatch CExcelApplication::WindowSelection() const
{
    return m_object.GetChild(L"ActiveWindow", object_class::Window()).GetUntyped(L"Selection");
}

CExcelRange CExcelApplication::Range(const std::wstring& reference) const
{
    return CExcelRange::From(m_object.GetChild(L"Range", object_class::Range(), {CVariant::Text(reference)}));
}

std::optional<CExcelRange> CExcelApplication::UsedPart(const CExcelRange& range) const
{
    const CDispatch used = range.Object()
                                .GetChild(L"Worksheet", object_class::Worksheet())
                                .GetChild(L"UsedRange", object_class::Range());
    const CVariant common = m_object.Call(
        L"Intersect", {CVariant::FromObject(range.Object().Object()), CVariant::FromObject(used.Object())});
    if (!common.Object())
        return std::nullopt; // Nothing: the range and the data do not meet
    return CExcelRange::From(CDispatch::FromValue(common, &object_class::Range()));
}

CExcelRange CExcelApplication::AddWorksheetCells() const
{
    const CDispatch sheet = m_object.GetChild(L"ActiveWorkbook", object_class::Workbook())
                                .GetChild(L"Worksheets", object_class::Sheets())
                                .GetChild(L"Add", object_class::Worksheet());
    return CExcelRange::From(sheet.GetChild(L"Cells", object_class::Range()));
}

void CExcelApplication::SetCursor(long shape) const
{
    m_object.Put(L"Cursor", CVariant::Long(shape));
}

void CExcelApplication::SetScreenUpdating(bool on) const
{
    m_object.Put(L"ScreenUpdating", CVariant::Bool(on));
}

void CExcelApplication::RestoreInteraction() const
{
    SetCursor(xlDefault);
    SetScreenUpdating(true);
}
