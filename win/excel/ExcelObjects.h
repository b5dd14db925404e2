#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "win/com/Dispatch.h"
#include "win/com/Variant.h"

// Typed wrappers over the members of Excel's object model that the add-in
// and its commands use. Each call is one late-bound call into Excel; a
// failure raises CComError.

class CExcelRange {
public:
    CExcelRange() = default;
    // The range interface of an object, or CComError(E_NOINTERFACE) when the
    // object (a chart, a drawing) is no range.
    static CExcelRange From(const CDispatch& object);

    const CDispatch& Object() const { return m_object; }

    long RowCount() const;    // Rows.Count
    long ColumnCount() const; // Columns.Count
    long CellCount() const;   // Count
    long AreaCount() const;   // Areas.Count
    long SheetColumn() const; // Column: 1 for A

    // Item(row, column), 1-based, relative to the range's first cell.
    CExcelRange Cell(long row, long column) const;
    void SetCell(long row, long column, const CVariant& value) const;
    // Columns.Item(index): the index-th column of the range.
    CExcelRange ColumnAt(long index) const;
    // Resize(rows, columns) from the range's first cell.
    CExcelRange Resize(long rows, long columns) const;

    // Writes table with one Range.Value put into the cells from (row,
    // column), 1-based, on.
    void SetBlock(long row, long column, const CValueTable& table) const;

    CVariant Value() const;
    void SetValue(const CVariant& value) const;
    CVariant Text() const;
    // Absolute A1 references ($A$1:$B$2).
    std::wstring Address() const;
    std::wstring AddressLocal() const;

private:
    explicit CExcelRange(CDispatch object) : m_object(std::move(object)) {}
    std::wstring AddressText(const wchar_t* member) const;

    CDispatch m_object;
};

// What to put through Range.Value for a cell to hold value as it is. Excel
// reads a text put there as if typed ("00123" becomes 123, "1-2" a date,
// "=x" a formula), so a text goes with a leading apostrophe, which Excel
// takes as "text follows" and does not keep in the value.
CVariant ValueToWrite(const CVariant& value);

class CExcelApplication {
public:
    CExcelApplication() = default;
    explicit CExcelApplication(CDispatch object) : m_object(std::move(object)) {}

    const CDispatch& Object() const { return m_object; }
    explicit operator bool() const { return static_cast<bool>(m_object); }

    // Hwnd: Excel's main window, the owner of every dialog and message box
    // of the add-in; null (the desktop) when Excel cannot tell.
    HWND MainWindow() const;
    CDispatch CommandBars() const;
    void RegisterXLL(const std::wstring& path) const;
    CVariant ExecuteExcel4Macro(const std::wstring& macro) const;
    // Selection and ActiveWindow.Selection: a range, a chart or a drawing,
    // of no known class until CExcelRange::From takes it as a range.
    CDispatch Selection() const;
    CDispatch WindowSelection() const;
    // Range(reference) with the second cell omitted.
    CExcelRange Range(const std::wstring& reference) const;
    // Intersect(range, range.Worksheet.UsedRange): the part of the range
    // that holds the sheet's data; none when no cell of it does.
    std::optional<CExcelRange> UsedPart(const CExcelRange& range) const;
    // ActiveWorkbook.Worksheets.Add().Cells: the cells of a new worksheet.
    CExcelRange AddWorksheetCells() const;

    void SetCursor(long shape) const;
    void SetScreenUpdating(bool on) const;
    // Default cursor and screen updating on: how every command leaves Excel.
    void RestoreInteraction() const;

private:
    CDispatch m_object;
};
